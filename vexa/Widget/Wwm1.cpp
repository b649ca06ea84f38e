#include "vexa/Widget/Wwm1.h"

namespace Vexa {

// The two models the standard widgets bind to, compiled once here.
template class Wwm1<unsigned int, Interval1<unsigned int, 0u, 1u>>;
template class Wwm1<int, Interval1<int, 0, 1>>;

} // namespace Vexa
