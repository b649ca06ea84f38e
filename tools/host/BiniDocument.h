#pragma once
// A whole Bini file as the host sees it: the preamble before the header, and the root record.
// Files come from anywhere, so reading checks every count against the bytes that remain before
// using it, limits the nesting, and names the byte where the data went wrong.

#include "tools/host/BiniRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvanhost {

class BiniDocument {
public:
    static constexpr std::size_t max_preamble = 4096;
    static constexpr unsigned max_depth = 256;

    // The preamble is whatever precedes the first header (00 FF 01 FE 01 02 03), at most
    // max_preamble bytes. Trailing bytes after the root are ignored, as the plug-in ignores
    // them. Throws HostError::runtime "<a_context>: <problem>".
    static BiniDocument parse(const std::vector<std::uint8_t>& a_bytes,
                              const std::string& a_context);

    // Preamble, header (eighth byte 00), root record.
    std::vector<std::uint8_t> serialize() const;

    std::string m_preamble;
    BiniRecord m_root;
};

} // namespace tolvanhost
