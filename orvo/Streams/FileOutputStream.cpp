#include "orvo/Streams/FileOutputStream.h"

#include "orvo/Core/OperationFailedException.h"

namespace Orvo {

FileOutputStream::FileOutputStream(const WString& a_path) {
    open(a_path);
}

void FileOutputStream::open(const WString& a_path) {
    m_file.open(a_path, FileMode_WRITE);
}

void FileOutputStream::flush() {
    if (m_file.is_open() && std::fflush(m_file.get_handle()) != 0)
        throw OperationFailedException();
}

unsigned FileOutputStream::do_write(unsigned a_bytes, const void* a_buffer) {
    if (!m_file.is_open())
        return 0;
    return unsigned(std::fwrite(a_buffer, 1, a_bytes, m_file.get_handle()));
}

} // namespace Orvo
