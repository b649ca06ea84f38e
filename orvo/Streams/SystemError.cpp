#include "orvo/Streams/SystemError.h"

#include "orvo/Core/Utf.h"

#include <cstring>
#include <string>

namespace Orvo {

namespace {

// strerror_r comes in two shapes (XSI returns int, GNU returns the text); both are thread-safe,
// unlike strerror.
[[maybe_unused]] const char* p_text(int a_result, const char* a_buffer) {
    return a_result == 0 ? a_buffer : nullptr;
}
[[maybe_unused]] const char* p_text(const char* a_result, const char*) {
    return a_result;
}

} // namespace

WString system_error_text(int a_error) {
    char buffer[256] = {};
    const char* text = p_text(strerror_r(a_error, buffer, sizeof buffer), buffer);
    if (!text || !*text)
        return utf8_to_utf16_lossy("Unknown error " + std::to_string(a_error));
    return utf8_to_utf16_lossy(text);
}

} // namespace Orvo
