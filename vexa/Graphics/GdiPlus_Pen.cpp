#include "vexa/Graphics/GdiPlus_Pen.h"

namespace Vexa {

GdiPlus_Pen::GdiPlus_Pen(GdiPlus_Color a_color, int a_width)
    : m_brush(a_color), m_width(a_width < 0 ? 0 : a_width) {}

} // namespace Vexa
