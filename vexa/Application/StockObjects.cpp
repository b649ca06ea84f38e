#include "vexa/Application/StockObjects.h"

namespace Vexa {

StockObjects::StockObjects()
    : brushes{GdiPlus_Brush(GdiPlus_Color(0xFFD4D0C8)), GdiPlus_Brush(GdiPlus_Color(0xFFC0BCB4)),
              GdiPlus_Brush(GdiPlus_Color(0xFFE8E4DC)), GdiPlus_Brush(GdiPlus_Color(0xFF000000)),
              GdiPlus_Brush(GdiPlus_Color(0xFFE6E6E6)), GdiPlus_Brush(GdiPlus_Color(0xFFA0A0A0)),
              GdiPlus_Brush(GdiPlus_Color(0xFFFFFFFF))},
      pens{GdiPlus_Pen(GdiPlus_Color(0xFFD4D0C8), 0), GdiPlus_Pen(GdiPlus_Color(0xFF000000), 0),
           GdiPlus_Pen(GdiPlus_Color(0xFF000000), 3), GdiPlus_Pen(accent, 0),
           GdiPlus_Pen(GdiPlus_Color(0xFF808080), 0), GdiPlus_Pen(GdiPlus_Color(0xFF808080), 3),
           GdiPlus_Pen(GdiPlus_Color(0xFFA0A0A0), 0), GdiPlus_Pen(GdiPlus_Color(0xFFA0A0A0), 3),
           GdiPlus_Pen(GdiPlus_Color(0xFFFFFFFF), 0), GdiPlus_Pen(GdiPlus_Color(0xFFFFFFFF), 3)},
      fixed_font(u"Courier New", 10, FontSizeUnit_POINT),
      default_font(u"Arial", 9, FontSizeUnit_POINT) {}

} // namespace Vexa
