#include "orvo/Streams/File.h"

#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/SystemError.h"

#include <cerrno>
#include <optional>
#include <string>

namespace Orvo {

File::~File() {
    close();
}

void File::open(const WString& a_path, FileMode a_mode) {
    close();
    // A path that is not valid UTF-16 cannot name any file; it fails like a missing one.
    const std::optional<std::string> path = utf16_to_utf8(a_path.view());
    if (path)
        m_handle = std::fopen(path->c_str(), a_mode == FileMode_WRITE ? "wb" : "rb");
    if (!m_handle)
        throw Exception(format_message(u"Cannot open file \"@1\".", {a_path}));
    m_mode = a_mode;
}

void File::close() noexcept {
    if (m_handle)
        std::fclose(m_handle);
    m_handle = nullptr;
}

void File::close_checked() {
    if (!m_handle)
        return;
    std::FILE* handle = m_handle;
    m_handle = nullptr;
    if (std::fclose(handle) != 0)
        throw OperationFailedException(system_error_text(errno));
}

} // namespace Orvo
