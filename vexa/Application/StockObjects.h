#pragma once
// The graphic objects every toolkit user shares: seven solid brushes, ten pens and two fonts.

#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Font.h"
#include "vexa/Graphics/GdiPlus_Pen.h"

#include <array>

namespace Vexa {

struct StockObjects {
    StockObjects();

    // 0xFFD4D0C8 face, 0xFFC0BCB4 shadow, 0xFFE8E4DC light face, black, 0xFFE6E6E6 window,
    // 0xFFA0A0A0 grey, white.
    std::array<GdiPlus_Brush, 7> brushes;
    // face 0; black 0 and 3; accent 0; 0xFF808080 0 and 3; 0xFFA0A0A0 0 and 3; white 0 and 3.
    std::array<GdiPlus_Pen, 10> pens;
    GdiPlus_Font fixed_font;   // "Courier New", 10 points
    GdiPlus_Font default_font; // "Arial", 9 points

    // The colour of the fourth pen, chosen at start-up: the accent of active title bars.
    static constexpr GdiPlus_Color accent{0xFF3A6EA5};
};

} // namespace Vexa
