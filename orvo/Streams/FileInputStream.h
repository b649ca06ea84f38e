#pragma once
// Reads a file through the C runtime's buffered stream.

#include "orvo/Streams/File.h"
#include "orvo/Streams/InputStream.h"

namespace Orvo {

class FileInputStream : public InputStream {
public:
    FileInputStream() = default;
    // Opens at once; see open.
    explicit FileInputStream(const WString& a_path);

    // Closes any file held before; throws Orvo::Exception "Cannot open file \"<path>\".".
    void open(const WString& a_path);
    void close() noexcept { m_file.close(); }
    bool is_open() const noexcept { return m_file.is_open(); }

protected:
    bool do_has_data() override;
    // Reads and seeks back by the count read. A stream that cannot seek back (a pipe) would
    // lose the bytes, so that throws OperationFailedException instead.
    unsigned do_peek(unsigned a_bytes, void* a_buffer) override;
    unsigned do_read(unsigned a_bytes, void* a_buffer) override;
    // Seeks forward, but never past the end of a regular file: the count is what was really
    // passed over. Files that cannot seek are read and the bytes dropped.
    unsigned do_skip(unsigned a_bytes) override;

private:
    unsigned p_skip_by_reading(unsigned a_bytes);

    File m_file;
};

} // namespace Orvo
