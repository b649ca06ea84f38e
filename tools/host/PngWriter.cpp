#include "tools/host/PngWriter.h"

#include "tools/host/HostError.h"

#include <array>
#include <cstdio>
#include <memory>

namespace tolvanhost {
namespace {

std::uint32_t crc32(const std::uint8_t* a_data, std::size_t a_size, std::uint32_t a_crc) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> result{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            result[n] = c;
        }
        return result;
    }();
    for (std::size_t i = 0; i < a_size; ++i)
        a_crc = table[(a_crc ^ a_data[i]) & 0xFF] ^ (a_crc >> 8);
    return a_crc;
}

void put32(std::vector<std::uint8_t>& a_out, std::uint32_t a_value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        a_out.push_back(std::uint8_t(a_value >> shift));
}

void put_chunk(std::vector<std::uint8_t>& a_out, const char* a_type,
               const std::vector<std::uint8_t>& a_data) {
    put32(a_out, std::uint32_t(a_data.size()));
    const std::size_t start = a_out.size();
    a_out.insert(a_out.end(), a_type, a_type + 4);
    a_out.insert(a_out.end(), a_data.begin(), a_data.end());
    put32(a_out, crc32(a_out.data() + start, a_out.size() - start, 0xFFFFFFFFu) ^ 0xFFFFFFFFu);
}

} // namespace

std::vector<std::uint8_t> PngWriter::encode(int a_width, int a_height,
                                            const std::vector<std::uint8_t>& a_rgb) {
    if (a_width <= 0 || a_height <= 0 ||
        a_rgb.size() != std::size_t(a_width) * std::size_t(a_height) * 3)
        throw HostError::runtime("cannot encode a picture of " + std::to_string(a_width) + " x " +
                                 std::to_string(a_height));
    // Each row starts with filter type 0 (none).
    std::vector<std::uint8_t> raw;
    const std::size_t row = std::size_t(a_width) * 3;
    raw.reserve((row + 1) * std::size_t(a_height));
    for (int y = 0; y < a_height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), a_rgb.begin() + std::ptrdiff_t(row * std::size_t(y)),
                   a_rgb.begin() + std::ptrdiff_t(row * std::size_t(y + 1)));
    }
    std::vector<std::uint8_t> zlib{0x78, 0x01};
    constexpr std::size_t block_limit = 65535;
    for (std::size_t at = 0; at < raw.size() || at == 0; at += block_limit) {
        const std::size_t length = std::min(block_limit, raw.size() - at);
        zlib.push_back(at + length >= raw.size() ? 1 : 0);
        zlib.push_back(std::uint8_t(length));
        zlib.push_back(std::uint8_t(length >> 8));
        zlib.push_back(std::uint8_t(~length));
        zlib.push_back(std::uint8_t(~length >> 8));
        zlib.insert(zlib.end(), raw.begin() + std::ptrdiff_t(at),
                    raw.begin() + std::ptrdiff_t(at + length));
        if (length == 0)
            break;
    }
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32(zlib, b << 16 | a);

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    put32(header, std::uint32_t(a_width));
    put32(header, std::uint32_t(a_height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    put_chunk(png, "IHDR", header);
    put_chunk(png, "IDAT", zlib);
    put_chunk(png, "IEND", {});
    return png;
}

void PngWriter::write(const std::string& a_path, int a_width, int a_height,
                      const std::vector<std::uint8_t>& a_rgb) {
    const std::vector<std::uint8_t> bytes = encode(a_width, a_height, a_rgb);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(a_path.c_str(), "wb"),
                                                         &std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw HostError::runtime("cannot write " + a_path);
    if (std::fclose(file.release()) != 0)
        throw HostError::runtime("cannot write " + a_path);
}

} // namespace tolvanhost
