#include "tools/host/BiniRecord.h"

#include <algorithm>

namespace tolvanhost {

namespace {

struct TypeInfo {
    const char* m_name;
    unsigned m_size;
    bool m_array;
};

constexpr TypeInfo types[BiniRecord::type_count] = {
    {"null", 0, false},        {"bool", 1, false},        {"double", 8, false},
    {"double array", 8, true}, {"float", 4, false},       {"float array", 4, true},
    {"int8", 1, false},        {"int8 array", 1, true},   {"int16", 2, false},
    {"int16 array", 2, true},  {"int32", 4, false},       {"int32 array", 4, true},
    {"int64", 8, false},       {"int64 array", 8, true},  {"string", 2, true},
    {"uint8", 1, false},       {"uint8 array", 1, true},  {"uint16", 2, false},
    {"uint16 array", 2, true}, {"uint32", 4, false},      {"uint32 array", 4, true},
    {"uint64", 8, false},      {"uint64 array", 8, true},
};

} // namespace

const BiniRecord* BiniRecord::find(std::uint32_t a_id) const {
    for (const BiniRecord& child : m_children) {
        if (child.m_id == a_id) {
            return &child;
        }
    }
    return nullptr;
}

BiniRecord* BiniRecord::find(std::uint32_t a_id) {
    return const_cast<BiniRecord*>(static_cast<const BiniRecord*>(this)->find(a_id));
}

void BiniRecord::remove(std::uint32_t a_id) {
    m_children.erase(
        std::remove_if(m_children.begin(), m_children.end(),
                       [a_id](const BiniRecord& a_child) { return a_child.m_id == a_id; }),
        m_children.end());
}

BiniRecord& BiniRecord::insert_sorted(BiniRecord a_child) {
    const auto position =
        std::find_if(m_children.begin(), m_children.end(),
                     [&](const BiniRecord& a_other) { return a_other.m_id > a_child.m_id; });
    return *m_children.insert(position, std::move(a_child));
}

void BiniRecord::set_string(const std::u16string& a_text) {
    m_type = type_string;
    m_payload.clear();
    const auto count = static_cast<std::uint32_t>(a_text.size());
    for (int shift = 0; shift < 32; shift += 8) {
        m_payload.push_back(static_cast<std::uint8_t>(count >> shift));
    }
    for (const char16_t unit : a_text) {
        m_payload.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        m_payload.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

std::string BiniRecord::id_text(std::uint32_t a_id) {
    std::string text;
    for (int shift = 0; shift < 32; shift += 8) {
        const char c = static_cast<char>((a_id >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) {
            return std::to_string(a_id);
        }
        text += c;
    }
    return text;
}

const char* BiniRecord::type_name(std::uint8_t a_type) {
    return a_type < type_count ? types[a_type].m_name : "unknown";
}

unsigned BiniRecord::element_size(std::uint8_t a_type) {
    return a_type < type_count ? types[a_type].m_size : 0;
}

bool BiniRecord::is_array(std::uint8_t a_type) {
    return a_type < type_count && types[a_type].m_array;
}

} // namespace tolvanhost
