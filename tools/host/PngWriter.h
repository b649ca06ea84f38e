#pragma once
// Writes 8-bit RGB pictures as PNG files without a compression library: the image data goes into
// stored (uncompressed) deflate blocks, which every PNG reader accepts. Screenshots of an editor
// are small enough that the size does not matter.

#include <cstdint>
#include <string>
#include <vector>

namespace tolvanhost {

class PngWriter {
public:
    // a_rgb holds a_width x a_height pixels, three bytes each, row after row. Throws
    // HostError::runtime when the file cannot be written.
    static void write(const std::string& a_path, int a_width, int a_height,
                      const std::vector<std::uint8_t>& a_rgb);
    // The bytes of the file, for tests.
    static std::vector<std::uint8_t> encode(int a_width, int a_height,
                                            const std::vector<std::uint8_t>& a_rgb);
};

} // namespace tolvanhost
