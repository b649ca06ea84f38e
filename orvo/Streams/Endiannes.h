#pragma once

namespace Orvo {

// Byte order of a data stream. Only Endiannes_LITTLE (2) is little-endian; every other value,
// including ones read from elsewhere and cast in, means big-endian.
enum Endiannes : int {
    Endiannes_BIG = 1,
    Endiannes_LITTLE = 2,
};

} // namespace Orvo
