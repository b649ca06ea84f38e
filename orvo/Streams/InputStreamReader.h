#pragma once
// Reads text lines from a byte stream whose encoding is given by its byte-order mark. Only
// UTF-8 and UTF-16 little-endian text is read; a stream without a mark, or in another encoding,
// yields no lines. Lines end at LF, CR or CR LF.

#include "orvo/Streams/InputStream.h"
#include "orvo/Streams/Reader.h"

namespace Orvo {

enum TextEncoding : int {
    TextEncoding_NONE = 0,
    TextEncoding_UTF8 = 1,
    TextEncoding_UTF16_BE = 2,
    TextEncoding_UTF16_LE = 3,
    TextEncoding_UTF32_BE = 4,
    TextEncoding_UTF32_LE = 5,
};

class InputStreamReader : public Reader {
public:
    // Detects and consumes the byte-order mark. The stream is not owned and must outlive the
    // reader.
    explicit InputStreamReader(InputStream* a_input);

    TextEncoding get_encoding() const noexcept { return m_encoding; }

    // A line that is not valid in its encoding throws OperationFailedException.
    bool read_line(WString& a_line) override;
    bool read_line(std::string& a_line) override;

private:
    bool p_read_utf8_line(std::string& a_line);
    bool p_read_utf16_line(WString& a_line);
    bool p_read_unit(char16_t& a_unit);
    bool p_peek_unit(char16_t& a_unit);

    // Null when the byte-order mark could not be consumed.
    InputStream* m_input;
    TextEncoding m_encoding = TextEncoding_NONE;
};

} // namespace Orvo
