#pragma once
// Byte reversal shared by the data streams.

#include "orvo/Streams/Endiannes.h"

#include <algorithm>
#include <bit>

namespace Orvo {

// Whether values in a_order must be byte-reversed to or from the machine's own order.
constexpr bool byte_order_reverses(Endiannes a_order) noexcept {
    return (a_order == Endiannes_LITTLE) != (std::endian::native == std::endian::little);
}

inline void reverse_bytes(unsigned char* a_bytes, unsigned a_size) noexcept {
    std::reverse(a_bytes, a_bytes + a_size);
}

} // namespace Orvo
