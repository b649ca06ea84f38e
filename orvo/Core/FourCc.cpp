#include "orvo/Core/FourCc.h"

#include <string>

namespace Orvo {

WString four_cc_text(std::uint32_t a_id) {
    WString text;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto byte = std::uint8_t(a_id >> shift);
        if (byte < 0x20 || byte > 0x7E) {
            const std::string decimal = std::to_string(a_id);
            WString number;
            for (char digit : decimal)
                number.append(char16_t(digit));
            return number;
        }
        text.append(char16_t(byte));
    }
    return text;
}

} // namespace Orvo
