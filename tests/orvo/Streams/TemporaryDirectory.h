#pragma once
// A fresh directory under the system's temporary folder, removed with everything in it, and whole
// files written and read back inside it.

#include "orvo/Core/String.h"
#include "orvo/Core/Utf.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class TemporaryDirectory {
public:
    TemporaryDirectory() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/orvo-test-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::string& path() const { return m_path; }
    std::string path(const std::string& a_name) const { return m_path + "/" + a_name; }
    Orvo::WString wide(const std::string& a_name) const { return Orvo::to_utf16(path(a_name)); }

    void write(const std::string& a_name, const std::string& a_content) const {
        std::ofstream(path(a_name), std::ios::binary) << a_content;
    }
    std::string read(const std::string& a_name) const {
        std::ifstream file(path(a_name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

private:
    std::string m_path;
};
