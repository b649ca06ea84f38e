#pragma once
// A C runtime file handle with the mode it was opened in, shared by the file streams.

#include "orvo/Core/String.h"

#include <cstdio>

namespace Orvo {

enum FileMode : int {
    FileMode_READ = 0,
    FileMode_WRITE = 1,
};

class File {
public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // Closes any file held before. The path goes to the runtime as UTF-8; failure throws
    // Orvo::Exception "Cannot open file \"<path>\".".
    void open(const WString& a_path, FileMode a_mode);
    // Closes without reporting; see close_checked for writers that must know.
    void close() noexcept;
    // Closes and throws OperationFailedException with the system's text when the runtime could
    // not complete the file (buffered bytes that did not reach the disk).
    void close_checked();

    bool is_open() const noexcept { return m_handle != nullptr; }
    std::FILE* get_handle() const noexcept { return m_handle; }
    FileMode get_mode() const noexcept { return m_mode; }

private:
    std::FILE* m_handle = nullptr;
    FileMode m_mode = FileMode_READ;
};

} // namespace Orvo
