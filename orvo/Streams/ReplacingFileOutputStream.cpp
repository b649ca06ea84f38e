#include "orvo/Streams/ReplacingFileOutputStream.h"

#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace Orvo {

namespace {

constexpr int creation_attempts = 64;

[[noreturn]] void p_fail(int a_error) {
    throw OperationFailedException(system_error_text(a_error));
}

std::string p_random_suffix() {
    static constexpr char alphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // Only uniqueness matters: a clash is detected by O_EXCL and retried.
    thread_local std::minstd_rand generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(alphabet) - 2);
    std::string suffix = ".tmp";
    for (int i = 0; i < 6; ++i)
        suffix += alphabet[pick(generator)];
    return suffix;
}

} // namespace

ReplacingFileOutputStream::ReplacingFileOutputStream(const WString& a_path) : m_path(a_path) {
    m_target = to_utf8(a_path.view());
    // Created with the mode a plain new file gets, so the process's umask applies as usual.
    int descriptor = -1;
    for (int attempt = 0; attempt < creation_attempts && descriptor < 0; ++attempt) {
        m_temporary = m_target + p_random_suffix();
        descriptor = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0) {
        const int error = errno;
        m_temporary.clear();
        p_fail(error);
    }
    m_handle = ::fdopen(descriptor, "wb");
    if (!m_handle) {
        const int error = errno;
        ::close(descriptor);
        p_discard();
        p_fail(error);
    }
}

ReplacingFileOutputStream::~ReplacingFileOutputStream() {
    p_discard();
}

void ReplacingFileOutputStream::p_discard() noexcept {
    if (m_handle)
        std::fclose(m_handle);
    m_handle = nullptr;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

unsigned ReplacingFileOutputStream::do_write(unsigned a_bytes, const void* a_buffer) {
    if (!m_handle)
        return 0;
    return unsigned(std::fwrite(a_buffer, 1, a_bytes, m_handle));
}

void ReplacingFileOutputStream::flush() {
    if (m_handle && std::fflush(m_handle) != 0)
        p_fail(errno);
}

void ReplacingFileOutputStream::commit() {
    if (!m_handle)
        throw OperationFailedException();
    const auto fail_and_discard = [this](int a_error) {
        p_discard();
        p_fail(a_error);
    };
    if (std::fflush(m_handle) != 0 || std::ferror(m_handle))
        fail_and_discard(errno ? errno : EIO);
    const int descriptor = ::fileno(m_handle);
    // A replaced file keeps who may read it.
    struct stat existing;
    if (::stat(m_target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::fchmod(descriptor, existing.st_mode & 07777) != 0)
        fail_and_discard(errno);
    // Without the sync a crash soon after the rename could leave an empty file in the old one's
    // place.
    if (::fsync(descriptor) != 0)
        fail_and_discard(errno);
    std::FILE* handle = m_handle;
    m_handle = nullptr;
    if (std::fclose(handle) != 0)
        fail_and_discard(errno);
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        fail_and_discard(errno);
    m_temporary.clear();
}

} // namespace Orvo
