#include "orvo/Core/Exception.h"

#include "orvo/Core/Utf.h"

#include <cstring>

namespace Orvo {

Exception::Exception(WString a_message)
    : m_message(std::move(a_message)), m_what(utf16_to_utf8_lossy(m_message.view())) {}

Exception::Exception(const Exception& a_other)
    : std::exception(a_other), m_message(a_other.m_message), m_what(a_other.m_what),
      m_source_path(a_other.m_source_path), m_function(a_other.m_function), m_line(a_other.m_line),
      m_inner(a_other.m_inner ? a_other.m_inner->clone() : nullptr) {}

Exception& Exception::operator=(const Exception& a_other) {
    if (this != &a_other) {
        Exception copy(a_other);
        *this = std::move(copy);
    }
    return *this;
}

Exception::~Exception() = default;

std::unique_ptr<Exception> Exception::clone() const {
    return std::make_unique<Exception>(*this);
}

void Exception::set_location(const char* a_source_file, const char* a_function, int a_line) {
    m_source_path = source_path_of(a_source_file);
    m_function = a_function ? a_function : "";
    m_line = a_line;
}

std::string source_path_of(const char* a_source_file) {
    if (!a_source_file)
        return {};
    std::string path(a_source_file);
#ifdef ORVO_SOURCE_ROOT
    // The build maps the root away already; this catches compilers that ignore the mapping.
    const std::string root = ORVO_SOURCE_ROOT "/";
    if (path.compare(0, root.size(), root) == 0)
        path.erase(0, root.size());
#endif
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        path.erase(dot);
    return path;
}

} // namespace Orvo
