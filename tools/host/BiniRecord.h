#pragma once
// One node of a Bini tree as its bytes stand in a file: the id, the type code, the payload bytes
// exactly as stored (with the element count of arrays and strings) and the children in file
// order. The host reads presets and chunks with it without linking the project's libraries; it
// only needs to show trees and move whole sections between them.
//
// Format: every number little-endian; a record is the id (u32, absent for the root), the type
// code (u8, 0..22), the payload, the child count (u32) and the children's records.

#include <cstdint>
#include <string>
#include <vector>

namespace tolvanhost {

struct BiniRecord {
    static constexpr std::uint8_t type_null = 0;
    static constexpr std::uint8_t type_string = 14;
    static constexpr std::uint8_t type_uint32 = 19;
    static constexpr std::uint8_t type_count = 23;

    // The four-character code of a_text, first character in the lowest byte ("FoVe").
    static constexpr std::uint32_t four_cc(const char (&a_text)[5]) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[0])) |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[1])) << 8 |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[2])) << 16 |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[3])) << 24;
    }

    // Null when there is no child a_id.
    const BiniRecord* find(std::uint32_t a_id) const;
    BiniRecord* find(std::uint32_t a_id);
    // Removes child a_id when present.
    void remove(std::uint32_t a_id);
    // Inserts before the first child with a larger id, as a saved tree orders them.
    BiniRecord& insert_sorted(BiniRecord a_child);

    void set_string(const std::u16string& a_text);

    // "Name" when all four bytes are printable ASCII, else the decimal value.
    static std::string id_text(std::uint32_t a_id);
    static const char* type_name(std::uint8_t a_type);
    // Bytes of one element (a code unit for strings); 0 for null.
    static unsigned element_size(std::uint8_t a_type);
    static bool is_array(std::uint8_t a_type);

    std::uint32_t m_id = 0;
    std::uint8_t m_type = type_null;
    std::vector<std::uint8_t> m_payload;
    std::vector<BiniRecord> m_children;
};

} // namespace tolvanhost
