// The values of the scanner's tokens, converted from the matched text. The automaton has already
// checked the shape of the text, so only ranges are checked here.

#include "vexa/Styles/Parser/LexerBase.h"

#include "orvo/Core/Assert.h"

#include <charconv>
#include <climits>
#include <string>

namespace CssParser {

namespace {

int hex_digit(char16_t a_unit) {
    if (a_unit >= u'0' && a_unit <= u'9')
        return a_unit - u'0';
    if (a_unit >= u'a' && a_unit <= u'f')
        return a_unit - u'a' + 10;
    return a_unit - u'A' + 10;
}

// Decimal digits to a 64-bit magnitude that stops growing past the 32-bit range.
long long read_digits(std::u16string_view a_text, std::size_t& a_at) {
    long long value = 0;
    while (a_at < a_text.size() && a_text[a_at] >= u'0' && a_text[a_at] <= u'9') {
        if (value <= 1LL << 32)
            value = value * 10 + (a_text[a_at] - u'0');
        ++a_at;
    }
    return value;
}

} // namespace

void LexerBase::p_advance(const char16_t* a_from) {
    for (const char16_t* unit = a_from; unit < m_cursor; ++unit) {
        if (*unit == u'\n') {
            ++m_position.line;
            m_position.column = 1;
        } else {
            ++m_position.column;
        }
    }
}

Orvo::WString LexerBase::parse_string(const char16_t* a_text, std::size_t a_length) {
    ORVO_ASSERT(a_length >= 2);
    Orvo::WString result;
    const std::size_t last = a_length - 1;
    for (std::size_t i = 1; i < last; ++i) {
        if (a_text[i] != u'\\' || i + 1 >= last) {
            result += a_text[i];
            continue;
        }
        const char16_t escaped = a_text[++i];
        switch (escaped) {
        case u'n':
            result += u'\n';
            break;
        case u'r':
            result += u'\r';
            break;
        case u't':
            result += u'\t';
            break;
        case u'u':
            if (i + 4 < last) {
                char16_t unit = 0;
                for (int k = 1; k <= 4; ++k)
                    unit = char16_t(unit * 16 + hex_digit(a_text[i + k]));
                result += unit;
                i += 4;
                break;
            }
            result += escaped;
            break;
        default: // \\ and \"
            result += escaped;
            break;
        }
    }
    return result;
}

int LexerBase::parse_integer(std::u16string_view a_text, bool& a_out_of_range) {
    std::size_t at = a_text.empty() || a_text[0] != u'-' ? 0 : 1;
    const bool negative = at == 1;
    long long value = read_digits(a_text, at);
    if (negative)
        value = -value;
    a_out_of_range = value < INT_MIN || value > INT_MAX;
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : int(value);
}

Vexa::StyleDimension LexerBase::parse_dimension(std::u16string_view a_text, bool& a_out_of_range) {
    std::size_t at = 0;
    const long long amount = read_digits(a_text, at);
    a_out_of_range = amount > INT_MAX;
    double exponent = 1.0;
    if (at < a_text.size() && a_text[at] == u'[') {
        const std::size_t close = a_text.find(u']', at);
        std::string ascii;
        for (std::size_t i = at + 1; i < close; ++i)
            ascii += char(a_text[i]);
        // from_chars reads "5." and ".5" as the automaton accepts them, whatever the locale.
        if (ascii.ends_with('.'))
            ascii += '0';
        if (ascii.starts_with('.'))
            ascii.insert(ascii.begin(), '0');
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), exponent);
        at = close + 1;
    }
    const std::u16string_view unit = a_text.substr(at);
    const int unit_code = unit == u"px"   ? Vexa::StyleDimensionUnit_PIXEL
                          : unit == u"pt" ? Vexa::StyleDimensionUnit_POINT
                                          : Vexa::StyleDimensionUnit_NONE;
    return Vexa::StyleDimension::from_amount(amount > INT_MAX ? INT_MAX : int(amount), exponent,
                                             unit_code);
}

Vexa::GdiPlus_Color LexerBase::parse_color(std::u16string_view a_text) {
    std::uint32_t digits = 0;
    for (std::size_t i = 1; i < a_text.size(); ++i)
        digits = digits * 16 + std::uint32_t(hex_digit(a_text[i]));
    // Six digits are red, green, blue; eight add alpha last.
    if (a_text.size() == 7)
        return Vexa::GdiPlus_Color(0xFF000000u | digits);
    return Vexa::GdiPlus_Color((digits >> 8) | (digits << 24));
}

} // namespace CssParser
