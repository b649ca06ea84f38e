#pragma once
// A disk that fills up: while it lives, this process cannot make a file longer than the given
// size, and a write beyond it fails (EFBIG) instead of raising SIGXFSZ.

#include <csignal>
#include <sys/resource.h>

namespace TonekitTest {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t a_bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_old_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = a_bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_old_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_old_handler)(int);
};

} // namespace TonekitTest
