#include "orvo/Streams/InputStreamReader.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Utf.h"

namespace Orvo {

namespace {

constexpr char16_t p_line_feed = 10;
constexpr char16_t p_carriage_return = 13;

} // namespace

InputStreamReader::InputStreamReader(InputStream* a_input) : m_input(a_input) {
    ORVO_ASSERT(a_input);
    unsigned char mark[4] = {};
    const unsigned available = m_input->try_peek(4, mark);
    if (available < 2)
        return;
    unsigned length = 0;
    if (available == 4 && mark[0] == 0x00 && mark[1] == 0x00 && mark[2] == 0xFE &&
        mark[3] == 0xFF) {
        m_encoding = TextEncoding_UTF32_BE;
        length = 4;
    } else if (available == 4 && mark[0] == 0xFF && mark[1] == 0xFE && mark[2] == 0x00 &&
               mark[3] == 0x00) {
        m_encoding = TextEncoding_UTF32_LE;
        length = 4;
    } else if (mark[0] == 0xFF && mark[1] == 0xFE) {
        m_encoding = TextEncoding_UTF16_LE;
        length = 2;
    } else if (mark[0] == 0xFE && mark[1] == 0xFF) {
        m_encoding = TextEncoding_UTF16_BE;
        length = 2;
    } else if (available >= 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF) {
        m_encoding = TextEncoding_UTF8;
        length = 3;
    }
    if (length && m_input->try_skip(length) != length)
        m_input = nullptr;
}

bool InputStreamReader::read_line(WString& a_line) {
    a_line.clear();
    if (m_encoding == TextEncoding_UTF16_LE)
        return p_read_utf16_line(a_line);
    std::string bytes;
    if (m_encoding != TextEncoding_UTF8 || !p_read_utf8_line(bytes))
        return false;
    a_line = to_utf16(bytes);
    return true;
}

bool InputStreamReader::read_line(std::string& a_line) {
    a_line.clear();
    if (m_encoding == TextEncoding_UTF8)
        return p_read_utf8_line(a_line);
    WString units;
    if (m_encoding != TextEncoding_UTF16_LE || !p_read_utf16_line(units))
        return false;
    a_line = to_utf8(units.view());
    return true;
}

bool InputStreamReader::p_read_utf8_line(std::string& a_line) {
    if (!m_input)
        return false;
    unsigned char byte = 0;
    if (m_input->try_read(1, &byte) != 1)
        return false;
    for (;;) {
        if (byte == p_line_feed)
            break;
        if (byte == p_carriage_return) {
            unsigned char next = 0;
            if (m_input->try_peek(1, &next) == 1 && next == p_line_feed)
                m_input->try_skip(1);
            break;
        }
        a_line.push_back(char(byte));
        if (m_input->try_read(1, &byte) != 1)
            break;
    }
    return true;
}

bool InputStreamReader::p_read_utf16_line(WString& a_line) {
    if (!m_input)
        return false;
    char16_t unit = 0;
    if (!p_read_unit(unit))
        return false;
    for (;;) {
        if (unit == p_line_feed)
            break;
        if (unit == p_carriage_return) {
            char16_t next = 0;
            if (p_peek_unit(next) && next == p_line_feed)
                m_input->try_skip(2);
            break;
        }
        a_line.append(unit);
        if (!p_read_unit(unit))
            break;
    }
    return true;
}

// A trailing odd byte is not a code unit; it ends the text like the end of the data does.
bool InputStreamReader::p_read_unit(char16_t& a_unit) {
    unsigned char bytes[2];
    if (m_input->try_read(2, bytes) != 2)
        return false;
    a_unit = char16_t(bytes[0] | bytes[1] << 8);
    return true;
}

bool InputStreamReader::p_peek_unit(char16_t& a_unit) {
    unsigned char bytes[2];
    if (m_input->try_peek(2, bytes) != 2)
        return false;
    a_unit = char16_t(bytes[0] | bytes[1] << 8);
    return true;
}

} // namespace Orvo
