#include "tonekit/ParameterTypes/NumberText.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Utf.h"

#include <cstdio>
#include <cstring>

namespace Tonekit {

Orvo::WString general_number_text(double a_value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", a_value);
    return Orvo::utf8_to_utf16_lossy(text);
}

bool is_float_format(std::string_view a_format) noexcept {
    int conversions = 0;
    for (std::size_t i = 0; i < a_format.size(); ++i) {
        if (a_format[i] != '%')
            continue;
        ++i;
        if (i < a_format.size() && a_format[i] == '%')
            continue;
        while (i < a_format.size() && std::strchr("-+ #0", a_format[i]) && a_format[i] != 0)
            ++i;
        while (i < a_format.size() && a_format[i] >= '0' && a_format[i] <= '9')
            ++i;
        if (i < a_format.size() && a_format[i] == '.') {
            ++i;
            while (i < a_format.size() && a_format[i] >= '0' && a_format[i] <= '9')
                ++i;
        }
        if (i >= a_format.size() || a_format[i] == 0 || !std::strchr("fFeEgGaA", a_format[i]))
            return false;
        ++conversions;
    }
    return conversions == 1;
}

std::string format_float(const std::string& a_format, double a_value) {
    ORVO_ASSERT(is_float_format(a_format));
    char text[64];
    const int length = std::snprintf(text, sizeof text, a_format.c_str(), a_value);
    if (length < 0)
        return std::string();
    if (std::size_t(length) < sizeof text)
        return std::string(text, std::size_t(length));
    // "%f" of a large value, or a long literal part.
    std::string long_text(std::size_t(length) + 1, '\0');
    std::snprintf(long_text.data(), long_text.size(), a_format.c_str(), a_value);
    long_text.resize(std::size_t(length));
    return long_text;
}

} // namespace Tonekit
