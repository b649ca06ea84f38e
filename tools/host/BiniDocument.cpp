#include "tools/host/BiniDocument.h"
#include "tools/host/HostError.h"

#include <algorithm>
#include <set>

namespace tolvanhost {

namespace {

constexpr std::uint8_t header[] = {0x00, 0xFF, 0x01, 0xFE, 0x01, 0x02, 0x03};
constexpr std::size_t header_size = 8;
// An id, a type and a child count: the least a child takes.
constexpr std::size_t smallest_child = 9;

class Reader {
public:
    Reader(const std::vector<std::uint8_t>& a_bytes, std::size_t a_position, std::string a_context)
        : m_bytes(a_bytes), m_position(a_position), m_context(std::move(a_context)) {}

    [[noreturn]] void fail(const std::string& a_problem) const {
        throw HostError::runtime(m_context + ": " + a_problem + " at byte " +
                                 std::to_string(m_position));
    }

    std::size_t remaining() const { return m_bytes.size() - m_position; }

    void take(std::size_t a_count, std::vector<std::uint8_t>& a_into) {
        if (a_count > remaining()) {
            fail("the data ends early");
        }
        const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position);
        a_into.insert(a_into.end(), first, first + static_cast<std::ptrdiff_t>(a_count));
        m_position += a_count;
    }

    std::uint32_t u32() {
        std::vector<std::uint8_t> bytes;
        take(4, bytes);
        return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
               static_cast<std::uint32_t>(bytes[2]) << 16 |
               static_cast<std::uint32_t>(bytes[3]) << 24;
    }

    void record(BiniRecord& a_record, unsigned a_depth) {
        if (a_depth > BiniDocument::max_depth) {
            fail("nodes nested deeper than " + std::to_string(BiniDocument::max_depth));
        }
        std::vector<std::uint8_t> type;
        take(1, type);
        a_record.m_type = type[0];
        if (a_record.m_type >= BiniRecord::type_count) {
            fail("unknown node type " + std::to_string(a_record.m_type));
        }
        const unsigned size = BiniRecord::element_size(a_record.m_type);
        if (BiniRecord::is_array(a_record.m_type)) {
            const std::uint32_t count = u32();
            const std::uint64_t bytes = std::uint64_t(count) * size;
            if (bytes > remaining()) {
                fail("an array of " + std::to_string(count) + " elements ends early");
            }
            for (int shift = 0; shift < 32; shift += 8) {
                a_record.m_payload.push_back(static_cast<std::uint8_t>(count >> shift));
            }
            take(static_cast<std::size_t>(bytes), a_record.m_payload);
        } else {
            take(size, a_record.m_payload);
        }
        const std::uint32_t children = u32();
        if (std::uint64_t(children) * smallest_child > remaining()) {
            fail(std::to_string(children) + " children cannot fit in the rest of the data");
        }
        // Children are appended as they arrive: a count alone never reserves memory.
        std::set<std::uint32_t> ids;
        for (std::uint32_t i = 0; i < children; ++i) {
            const std::uint32_t id = u32();
            if (!ids.insert(id).second) {
                fail("repeated child id " + BiniRecord::id_text(id));
            }
            a_record.m_children.emplace_back().m_id = id;
            record(a_record.m_children.back(), a_depth + 1);
        }
    }

private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_position;
    std::string m_context;
};

void write_u32(std::vector<std::uint8_t>& a_bytes, std::uint32_t a_value) {
    for (int shift = 0; shift < 32; shift += 8) {
        a_bytes.push_back(static_cast<std::uint8_t>(a_value >> shift));
    }
}

void write_record(std::vector<std::uint8_t>& a_bytes, const BiniRecord& a_record, bool a_root) {
    if (!a_root) {
        write_u32(a_bytes, a_record.m_id);
    }
    a_bytes.push_back(a_record.m_type);
    a_bytes.insert(a_bytes.end(), a_record.m_payload.begin(), a_record.m_payload.end());
    write_u32(a_bytes, static_cast<std::uint32_t>(a_record.m_children.size()));
    for (const BiniRecord& child : a_record.m_children) {
        write_record(a_bytes, child, false);
    }
}

} // namespace

BiniDocument BiniDocument::parse(const std::vector<std::uint8_t>& a_bytes,
                                 const std::string& a_context) {
    const std::string& context = a_context;
    const std::size_t window = std::min(a_bytes.size(), max_preamble + sizeof(header));
    const auto end = a_bytes.begin() + static_cast<std::ptrdiff_t>(window);
    const auto found = std::search(a_bytes.begin(), end, std::begin(header), std::end(header));
    if (found == end) {
        throw HostError::runtime(context + ": not a Bini file (no header in its first " +
                                 std::to_string(max_preamble) + " bytes)");
    }
    BiniDocument document;
    document.m_preamble.assign(a_bytes.begin(), found);
    const auto header_position = static_cast<std::size_t>(found - a_bytes.begin());
    if (a_bytes.size() - header_position < header_size) {
        throw HostError::runtime(context + ": the data ends inside the header");
    }
    Reader reader(a_bytes, header_position + header_size, context);
    reader.record(document.m_root, 0);
    return document;
}

std::vector<std::uint8_t> BiniDocument::serialize() const {
    std::vector<std::uint8_t> bytes(m_preamble.begin(), m_preamble.end());
    bytes.insert(bytes.end(), std::begin(header), std::end(header));
    bytes.push_back(0x00);
    write_record(bytes, m_root, true);
    return bytes;
}

} // namespace tolvanhost
