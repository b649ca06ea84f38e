#pragma once

namespace Tonekit {

// How the editor shows modulation on the parameters it displays ("Modulation visualization").
enum Modvis : unsigned {
    Modvis_NONE = 0,
    Modvis_BELOW_MOUSE_CURSOR = 1,
    Modvis_ALL = 2,
};

} // namespace Tonekit
