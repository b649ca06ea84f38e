#include "tools/host/BiniPrinter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tolvanhost {

namespace {

std::uint64_t little_endian(const std::uint8_t* a_bytes, unsigned a_size) {
    std::uint64_t value = 0;
    for (unsigned i = 0; i < a_size; ++i) {
        value |= std::uint64_t(a_bytes[i]) << (8 * i);
    }
    return value;
}

std::string element_text(std::uint8_t a_type, const std::uint8_t* a_bytes) {
    // Array types sit one above their scalar type.
    const std::uint8_t scalar = BiniRecord::is_array(a_type) ? a_type - 1 : a_type;
    const unsigned size = BiniRecord::element_size(a_type);
    const std::uint64_t bits = little_endian(a_bytes, size);
    char text[40];
    switch (scalar) {
    case 1:
        return bits ? "true" : "false";
    case 2: {
        double value;
        std::memcpy(&value, &bits, 8);
        std::snprintf(text, sizeof(text), "%.17g", value);
        return text;
    }
    case 4: {
        const auto narrow = static_cast<std::uint32_t>(bits);
        float value;
        std::memcpy(&value, &narrow, 4);
        std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
        return text;
    }
    case 6:
        return std::to_string(static_cast<std::int8_t>(bits));
    case 8:
        return std::to_string(static_cast<std::int16_t>(bits));
    case 10:
        return std::to_string(static_cast<std::int32_t>(bits));
    case 12:
        return std::to_string(static_cast<std::int64_t>(bits));
    default:
        return std::to_string(bits);
    }
}

void append_code_point(std::string& a_text, std::uint32_t a_code_point) {
    if (a_code_point < 0x80) {
        a_text += static_cast<char>(a_code_point);
    } else if (a_code_point < 0x800) {
        a_text += static_cast<char>(0xC0 | (a_code_point >> 6));
        a_text += static_cast<char>(0x80 | (a_code_point & 0x3F));
    } else if (a_code_point < 0x10000) {
        a_text += static_cast<char>(0xE0 | (a_code_point >> 12));
        a_text += static_cast<char>(0x80 | ((a_code_point >> 6) & 0x3F));
        a_text += static_cast<char>(0x80 | (a_code_point & 0x3F));
    } else {
        a_text += static_cast<char>(0xF0 | (a_code_point >> 18));
        a_text += static_cast<char>(0x80 | ((a_code_point >> 12) & 0x3F));
        a_text += static_cast<char>(0x80 | ((a_code_point >> 6) & 0x3F));
        a_text += static_cast<char>(0x80 | (a_code_point & 0x3F));
    }
}

// UTF-16LE code units as quoted UTF-8; what is not text (controls, lone surrogates) as escapes.
std::string string_text(const std::uint8_t* a_units, std::size_t a_count) {
    std::string text = "\"";
    const std::size_t shown = std::min(a_count, BiniPrinter::shown_code_units);
    for (std::size_t i = 0; i < shown; ++i) {
        const std::uint32_t unit = static_cast<std::uint32_t>(little_endian(a_units + 2 * i, 2));
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < shown) {
            const auto low = static_cast<std::uint32_t>(little_endian(a_units + 2 * i + 2, 2));
            if (low >= 0xDC00 && low < 0xE000) {
                append_code_point(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        char escape[16];
        if (unit == '"' || unit == '\\') {
            text += '\\';
            text += static_cast<char>(unit);
        } else if (unit < 0x20 || unit == 0x7F || (unit >= 0xD800 && unit < 0xE000)) {
            std::snprintf(escape, sizeof(escape), "\\u%04X", unit);
            text += escape;
        } else {
            append_code_point(text, unit);
        }
    }
    text += '"';
    if (shown < a_count) {
        text += " ... (" + std::to_string(a_count) + " code units)";
    }
    return text;
}

void print_record(std::string& a_out, const BiniRecord& a_record, unsigned a_depth, bool a_root) {
    a_out.append(2 * a_depth, ' ');
    a_out += a_root ? "/" : BiniRecord::id_text(a_record.m_id);
    a_out += ' ';
    a_out += BiniRecord::type_name(a_record.m_type);
    const std::string value = BiniPrinter::value_text(a_record);
    if (!value.empty()) {
        a_out += ' ';
        a_out += value;
    }
    a_out += '\n';
    for (const BiniRecord& child : a_record.m_children) {
        print_record(a_out, child, a_depth + 1, false);
    }
}

} // namespace

std::string BiniPrinter::value_text(const BiniRecord& a_record) {
    const std::uint8_t type = a_record.m_type;
    const std::uint8_t* payload = a_record.m_payload.data();
    if (type == BiniRecord::type_null || a_record.m_payload.empty()) {
        return "";
    }
    if (!BiniRecord::is_array(type)) {
        return element_text(type, payload);
    }
    const auto count = static_cast<std::size_t>(little_endian(payload, 4));
    if (type == BiniRecord::type_string) {
        return string_text(payload + 4, count);
    }
    // Appended piece by piece: g++ 12 at -O3 warns, wrongly, of overlapping copies in the
    // temporaries that chained operator+ builds.
    std::string text = "(";
    text += std::to_string(count);
    text += ')';
    const unsigned size = BiniRecord::element_size(type);
    for (std::size_t i = 0; i < count && i < shown_elements; ++i) {
        text += ' ';
        text += element_text(type, payload + 4 + i * size);
    }
    if (count > shown_elements) {
        text += " ... (" + std::to_string(count - shown_elements) + " more)";
    }
    return text;
}

std::string BiniPrinter::quoted_bytes(const std::string& a_bytes) {
    std::string text = "\"";
    for (const char c : a_bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\x%02X", byte);
            text += escape;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

std::string BiniPrinter::print(const BiniDocument& a_document) {
    std::string out = "Preamble: " + quoted_bytes(a_document.m_preamble) + " (" +
                      std::to_string(a_document.m_preamble.size()) + " bytes)\n";
    print_record(out, a_document.m_root, 0, true);
    return out;
}

} // namespace tolvanhost
