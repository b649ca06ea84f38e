#pragma once
// Whole files of bytes: the plug-in state given with --load-chunk and written with --save-chunk.

#include <cstdint>
#include <string>
#include <vector>

namespace tolvanhost {

class ByteFile {
public:
    // Throws HostError::runtime naming a_what ("chunk") when the file cannot be read.
    static std::vector<std::uint8_t> read(const std::string& a_path, const std::string& a_what);

    // Written beside the target and renamed over it, so a failed write keeps the old file.
    static void write(const std::string& a_path, const std::vector<std::uint8_t>& a_bytes,
                      const std::string& a_what);

    // A new empty file in a_path's folder, named a_path plus a random suffix, with the
    // permissions a plain new file gets. Returns its descriptor and sets a_temporary_path, or
    // returns -1 with errno set.
    static int create_beside(const std::string& a_path, std::string& a_temporary_path);
};

} // namespace tolvanhost
