#include "vexa/Widgets/DecimalEditEntry.h"

#include <cmath>

namespace Vexa {

DecimalEditEntry::DecimalEditEntry() {
    connect(m_on_acceptable_character, this, &DecimalEditEntry::p_on_character);
}

std::optional<double> DecimalEditEntry::parse(std::u16string_view a_text) {
    std::size_t i = 0;
    const bool negative = !a_text.empty() && a_text[0] == u'-';
    i += negative ? 1 : 0;
    double value = 0;
    double scale = 0; // 0 before the point, then the weight of the next digit
    std::size_t digits = 0;
    for (; i < a_text.size(); ++i) {
        const char16_t c = a_text[i];
        if ((c == u'.' || c == u',') && scale == 0) {
            scale = 0.1;
        } else if (c >= u'0' && c <= u'9') {
            ++digits;
            if (scale == 0) {
                value = value * 10 + (c - u'0');
            } else {
                value += (c - u'0') * scale;
                scale /= 10;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

void DecimalEditEntry::p_on_character(EntryEvents::OnAcceptableCharacter& a_event) {
    const char32_t c = a_event.character;
    a_event.acceptable = (c >= U'0' && c <= U'9') || c == U'-' || c == U'.' || c == U',';
}

} // namespace Vexa
