#pragma once

namespace Tonekit {

// Which of the XY pad's two signals an entry follows (the record it reads).
enum XyModulatorAxis : unsigned {
    XyModulatorAxis_X = 0,
    XyModulatorAxis_Y = 1,
};

} // namespace Tonekit
