#include "orvo/Streams/Reader.h"

namespace Orvo {

Reader::~Reader() = default;

} // namespace Orvo
