#pragma once
// Saving and loading Bini trees to and from byte vectors in tests.

#include "orvo/Binis/BiniNode.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"

#include <initializer_list>
#include <string_view>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline Bytes save_bytes(const Orvo::BiniNode& a_node, std::string_view a_preamble = {}) {
    Orvo::ExpandingOutputStream output(64);
    a_node.save(output, a_preamble);
    Bytes bytes(output.get_size());
    output.copy_to(bytes.data());
    return bytes;
}

inline void load_bytes(Orvo::BiniNode& a_node, const Bytes& a_bytes,
                       std::string_view a_preamble = {}) {
    Orvo::MemoryInputStream input(a_bytes.data(), a_bytes.size());
    a_node.load(input, a_preamble);
}

inline const Bytes bini_header{0x00, 0xFF, 0x01, 0xFE, 0x01, 0x02, 0x03, 0x00};

inline Bytes joined(std::initializer_list<Bytes> a_parts) {
    Bytes bytes;
    for (const Bytes& part : a_parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}
