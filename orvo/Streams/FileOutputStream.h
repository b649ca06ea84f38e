#pragma once
// Writes a file through the C runtime's buffered stream. The destructor closes without
// reporting; a writer that must know whether every byte reached the file calls close().

#include "orvo/Streams/File.h"
#include "orvo/Streams/OutputStream.h"

namespace Orvo {

class FileOutputStream : public OutputStream {
public:
    FileOutputStream() = default;
    // Opens at once; see open.
    explicit FileOutputStream(const WString& a_path);

    // Creates or truncates the file, closing any file held before; throws Orvo::Exception
    // "Cannot open file \"<path>\".".
    void open(const WString& a_path);
    // Throws OperationFailedException with the system's text when buffered bytes could not be
    // written.
    void close() { m_file.close_checked(); }
    bool is_open() const noexcept { return m_file.is_open(); }

    // Throws OperationFailedException when the runtime reports a failure.
    void flush() override;

protected:
    unsigned do_write(unsigned a_bytes, const void* a_buffer) override;

private:
    File m_file;
};

} // namespace Orvo
