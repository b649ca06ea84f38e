#pragma once
// A private folder for one test or benchmark, removed with everything in it afterwards.

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace TestSupport {

class TemporaryFolder {
public:
    TemporaryFolder() {
        char pattern[] = "/tmp/tonekit-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace TestSupport
