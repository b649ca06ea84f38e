#include "orvo/Core/MessageFormat.h"

namespace Orvo {
namespace {

bool p_is_digit(char16_t a_unit) {
    return a_unit >= u'0' && a_unit <= u'9';
}

// The argument number of the digits in a_digits, or 0 when it is out of range. Long digit runs
// saturate instead of overflowing.
std::size_t p_argument_number(std::u16string_view a_digits, std::size_t a_count) {
    std::size_t number = 0;
    for (char16_t unit : a_digits) {
        number = number * 10 + std::size_t(unit - u'0');
        if (number > a_count)
            return 0;
    }
    return number;
}

} // namespace

WString format_message(std::u16string_view a_template, std::span<const WString> a_arguments) {
    WString out;
    std::size_t i = 0;
    while (i < a_template.size()) {
        const char16_t unit = a_template[i];
        if (unit != u'@' || i + 1 >= a_template.size()) {
            out.append(unit);
            ++i;
            continue;
        }
        const char16_t next = a_template[i + 1];
        if (next == u'@') {
            out.append(u'@');
            i += 2;
            continue;
        }
        const bool bracketed = next == u'[';
        const std::size_t start = i + (bracketed ? 2 : 1);
        std::size_t end = start;
        while (end < a_template.size() && p_is_digit(a_template[end]))
            ++end;
        bool resolved = end > start;
        std::size_t after = end;
        if (resolved && bracketed) {
            resolved = end < a_template.size() && a_template[end] == u']';
            after = end + 1;
        }
        const std::size_t number =
            resolved ? p_argument_number(a_template.substr(start, end - start), a_arguments.size())
                     : 0;
        if (number == 0) {
            out.append(u'@');
            ++i;
            continue;
        }
        out.append(a_arguments[number - 1]);
        i = after;
    }
    return out;
}

WString format_message(std::u16string_view a_template, std::initializer_list<WString> a_arguments) {
    return format_message(a_template,
                          std::span<const WString>(a_arguments.begin(), a_arguments.size()));
}

} // namespace Orvo
