#pragma once
// A widget's frame: its border and its background brush.

#include "vexa/Graphics/Border.h"
#include "vexa/Graphics/GdiPlus_Brush.h"

namespace Vexa {

struct Frame {
    Border border;
    GdiPlus_Brush background;
};

} // namespace Vexa
