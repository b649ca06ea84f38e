#include "orvo/Core/Utf.h"

#include "orvo/Core/OperationFailedException.h"

namespace Orvo {
namespace {

constexpr char32_t replacement = 0xFFFD;

// Decodes one code point at a_text[a_index]; advances a_index. Returns nothing when the bytes
// there do not form a well-formed sequence (a_index then moves past the first byte only).
std::optional<char32_t> p_decode_utf8(std::string_view a_text, std::size_t& a_index) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(a_text[i]); };
    const unsigned char lead = byte(a_index);
    std::size_t length;
    char32_t code;
    char32_t minimum;
    if (lead < 0x80) {
        ++a_index;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        ++a_index;
        return std::nullopt;
    }
    if (a_index + length > a_text.size()) {
        ++a_index;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(a_index + i);
        if ((next & 0xC0) != 0x80) {
            ++a_index;
            return std::nullopt;
        }
        code = (code << 6) | (next & 0x3F);
    }
    a_index += length;
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return code;
}

std::optional<char32_t> p_decode_utf16(std::u16string_view a_text, std::size_t& a_index) {
    const char16_t unit = a_text[a_index++];
    if (unit < 0xD800 || unit > 0xDFFF)
        return unit;
    if (unit >= 0xDC00 || a_index >= a_text.size())
        return std::nullopt;
    const char16_t low = a_text[a_index];
    if (low < 0xDC00 || low > 0xDFFF)
        return std::nullopt;
    ++a_index;
    return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
}

void p_append_utf16(WString& a_out, char32_t a_code) {
    if (a_code < 0x10000) {
        a_out.append(char16_t(a_code));
    } else {
        a_code -= 0x10000;
        a_out.append(char16_t(0xD800 + (a_code >> 10)));
        a_out.append(char16_t(0xDC00 + (a_code & 0x3FF)));
    }
}

void p_append_utf8(std::string& a_out, char32_t a_code) {
    if (a_code < 0x80) {
        a_out += char(a_code);
    } else if (a_code < 0x800) {
        a_out += char(0xC0 | (a_code >> 6));
        a_out += char(0x80 | (a_code & 0x3F));
    } else if (a_code < 0x10000) {
        a_out += char(0xE0 | (a_code >> 12));
        a_out += char(0x80 | ((a_code >> 6) & 0x3F));
        a_out += char(0x80 | (a_code & 0x3F));
    } else {
        a_out += char(0xF0 | (a_code >> 18));
        a_out += char(0x80 | ((a_code >> 12) & 0x3F));
        a_out += char(0x80 | ((a_code >> 6) & 0x3F));
        a_out += char(0x80 | (a_code & 0x3F));
    }
}

template <bool Lossy>
std::optional<WString> p_to_utf16(std::string_view a_text) {
    WString out;
    out.reserve(a_text.size());
    for (std::size_t i = 0; i < a_text.size();) {
        const auto code = p_decode_utf8(a_text, i);
        if (!code && !Lossy)
            return std::nullopt;
        p_append_utf16(out, code.value_or(replacement));
    }
    return out;
}

template <bool Lossy>
std::optional<std::string> p_to_utf8(std::u16string_view a_text) {
    std::string out;
    out.reserve(a_text.size());
    for (std::size_t i = 0; i < a_text.size();) {
        const auto code = p_decode_utf16(a_text, i);
        if (!code && !Lossy)
            return std::nullopt;
        p_append_utf8(out, code.value_or(replacement));
    }
    return out;
}

} // namespace

std::optional<WString> utf8_to_utf16(std::string_view a_text) {
    return p_to_utf16<false>(a_text);
}

std::optional<std::string> utf16_to_utf8(std::u16string_view a_text) {
    return p_to_utf8<false>(a_text);
}

WString to_utf16(std::string_view a_text) {
    auto converted = utf8_to_utf16(a_text);
    if (!converted)
        throw OperationFailedException();
    return std::move(*converted);
}

std::string to_utf8(std::u16string_view a_text) {
    auto converted = utf16_to_utf8(a_text);
    if (!converted)
        throw OperationFailedException();
    return std::move(*converted);
}

WString utf8_to_utf16_lossy(std::string_view a_text) {
    return *p_to_utf16<true>(a_text);
}

std::string utf16_to_utf8_lossy(std::u16string_view a_text) {
    return *p_to_utf8<true>(a_text);
}

} // namespace Orvo
