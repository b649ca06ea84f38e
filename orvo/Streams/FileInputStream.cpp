#include "orvo/Streams/FileInputStream.h"

#include "orvo/Core/OperationFailedException.h"

#include <algorithm>
#include <sys/stat.h>
#include <sys/types.h>

namespace Orvo {

FileInputStream::FileInputStream(const WString& a_path) {
    open(a_path);
}

void FileInputStream::open(const WString& a_path) {
    m_file.open(a_path, FileMode_READ);
}

bool FileInputStream::do_has_data() {
    std::FILE* handle = m_file.get_handle();
    if (!handle)
        return false;
    const int next = std::getc(handle);
    if (next == EOF) {
        std::clearerr(handle);
        return false;
    }
    std::ungetc(next, handle);
    return true;
}

unsigned FileInputStream::do_peek(unsigned a_bytes, void* a_buffer) {
    std::FILE* handle = m_file.get_handle();
    if (!handle)
        return 0;
    const auto count = unsigned(std::fread(a_buffer, 1, a_bytes, handle));
    if (count && fseeko(handle, -off_t(count), SEEK_CUR) != 0)
        throw OperationFailedException();
    // Reaching the end while peeking must not leave the end marker set for the next read.
    std::clearerr(handle);
    return count;
}

unsigned FileInputStream::do_read(unsigned a_bytes, void* a_buffer) {
    std::FILE* handle = m_file.get_handle();
    if (!handle)
        return 0;
    return unsigned(std::fread(a_buffer, 1, a_bytes, handle));
}

unsigned FileInputStream::do_skip(unsigned a_bytes) {
    std::FILE* handle = m_file.get_handle();
    if (!handle)
        return 0;
    struct stat status;
    const off_t before = ftello(handle);
    if (before < 0 || fstat(fileno(handle), &status) != 0 || !S_ISREG(status.st_mode))
        return p_skip_by_reading(a_bytes);
    // The runtime happily seeks past the end; a skip must report only what was there.
    const off_t end = std::max<off_t>(status.st_size, before);
    const off_t after = std::min<off_t>(before + off_t(a_bytes), end);
    if (fseeko(handle, after, SEEK_SET) != 0)
        return 0;
    return unsigned(after - before);
}

unsigned FileInputStream::p_skip_by_reading(unsigned a_bytes) {
    unsigned char scratch[4096];
    unsigned skipped = 0;
    while (skipped < a_bytes) {
        const unsigned piece = std::min<unsigned>(a_bytes - skipped, sizeof scratch);
        const auto count = unsigned(std::fread(scratch, 1, piece, m_file.get_handle()));
        skipped += count;
        if (count < piece)
            break;
    }
    return skipped;
}

} // namespace Orvo
