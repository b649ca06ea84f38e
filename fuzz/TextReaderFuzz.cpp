// Reads arbitrary bytes as lines of text. Every input either gives lines until the end or throws
// Orvo::Exception (a line that is not valid in its encoding); nothing else may happen. Each line
// read consumes at least one byte, so the loop ends.

#include "orvo/Core/Exception.h"
#include "orvo/Streams/InputStreamReader.h"
#include "orvo/Streams/MemoryInputStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size) {
    Orvo::MemoryInputStream input(a_data, a_size);
    Orvo::InputStreamReader reader(&input);
    std::size_t lines = 0;
    try {
        Orvo::WString wide;
        std::string narrow;
        for (bool use_wide = a_size % 2 == 0;; use_wide = !use_wide) {
            const bool read = use_wide ? reader.read_line(wide) : reader.read_line(narrow);
            if (!read)
                break;
            if (++lines > a_size) {
                std::fprintf(stderr, "TextReaderFuzz: more lines than bytes\n");
                std::abort();
            }
        }
    } catch (const Orvo::Exception&) {
    }
    return 0;
}
