#pragma once
// Four-character codes: four ASCII characters in a u32, the first in the lowest byte, so that the
// bytes of a little-endian file read as the text ("PrPa" is 0x61507250).

#include "orvo/Core/String.h"

#include <cstdint>

namespace Orvo {

constexpr std::uint32_t four_cc(const char (&a_text)[5]) noexcept {
    return std::uint32_t(std::uint8_t(a_text[0])) | std::uint32_t(std::uint8_t(a_text[1])) << 8 |
           std::uint32_t(std::uint8_t(a_text[2])) << 16 |
           std::uint32_t(std::uint8_t(a_text[3])) << 24;
}

// The four characters when every byte is printable ASCII (0x20..0x7E), else the decimal value.
WString four_cc_text(std::uint32_t a_id);

} // namespace Orvo
