#include "tools/host/ByteFile.h"
#include "tools/host/HostError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvanhost {

namespace {

struct FileCloser {
    void operator()(std::FILE* a_file) const { std::fclose(a_file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

std::vector<std::uint8_t> ByteFile::read(const std::string& a_path, const std::string& a_what) {
    const auto failure = [&](int a_error) {
        return HostError::runtime("cannot read " + a_what + " " + a_path + ": " +
                                  std::strerror(a_error));
    };
    FileHandle file(std::fopen(a_path.c_str(), "rb"));
    if (!file) {
        throw failure(errno);
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof(buffer), file.get());
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < sizeof(buffer)) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        // Reading a folder opens fine and fails here, with EISDIR.
        throw failure(errno ? errno : EIO);
    }
    return bytes;
}

void ByteFile::write(const std::string& a_path, const std::vector<std::uint8_t>& a_bytes,
                     const std::string& a_what) {
    const auto failure = [&](int a_error) {
        return HostError::runtime("cannot write " + a_what + " " + a_path + ": " +
                                  std::strerror(a_error));
    };
    std::string name;
    const int descriptor = create_beside(a_path, name);
    if (descriptor < 0) {
        throw failure(errno);
    }
    FileHandle file(fdopen(descriptor, "wb"));
    if (!file) {
        const int error = errno;
        close(descriptor);
        std::remove(name.c_str());
        throw failure(error);
    }
    const bool written =
        std::fwrite(a_bytes.data(), 1, a_bytes.size(), file.get()) == a_bytes.size();
    const int write_error = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(name.c_str());
        throw failure(!written ? write_error : errno);
    }
    if (std::rename(name.c_str(), a_path.c_str()) != 0) {
        const int error = errno;
        std::remove(name.c_str());
        throw failure(error);
    }
}

int ByteFile::create_beside(const std::string& a_path, std::string& a_temporary_path) {
    std::vector<char> name(a_path.begin(), a_path.end());
    for (const char c : std::string(".XXXXXX")) {
        name.push_back(c);
    }
    name.push_back('\0');
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) {
        return -1;
    }
    // mkstemp makes the file private to its owner.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    a_temporary_path = name.data();
    return descriptor;
}

} // namespace tolvanhost
