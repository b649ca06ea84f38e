// Loads arbitrary bytes as a Bini tree (empty preamble) and checks, for every input I:
//
//  1. Loading either succeeds or throws Orvo::Exception. Any other exception, a crash, a leak or
//     an out-of-bounds access is a finding.
//  2. When it succeeds, let n be the number of bytes the load consumed and B1 the bytes of saving
//     the loaded tree. Then B1 == normal(I[0, n)), where normal() re-encodes the input's own
//     records (parsed here, independently of the loader and the saver) with three changes only:
//       - the header's eighth byte, which the loader ignores, becomes 00;
//       - each bool payload byte becomes 01 when it is non-zero;
//       - the children of every node are put in ascending id order (the loader accepts them in
//         any order; the saver always writes them sorted). For inputs whose siblings already
//         ascend, as every saved tree's do, B1 equals I[0, n) outside the two bytes above.
//  3. Loading B1 succeeds, consumes all of it, and saving that tree gives exactly B1.

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Exception.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "tests/orvo/Binis/BiniTestBytes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void fail(const char* a_what) {
    std::fprintf(stderr, "BiniLoadFuzz property violated: %s\n", a_what);
    std::abort();
}

// Re-encodes the records of an input that loaded, by the format's rules alone.
class Normaliser {
public:
    Normaliser(const std::uint8_t* a_data, std::size_t a_size) : m_data(a_data), m_size(a_size) {}

    Bytes run() {
        Bytes result = p_take(8);
        result[7] = 0;
        const Bytes root = p_record(false).bytes;
        result.insert(result.end(), root.begin(), root.end());
        return result;
    }

private:
    struct Record {
        std::uint32_t id;
        Bytes bytes;
    };

    Bytes p_take(std::size_t a_count) {
        if (a_count > m_size - m_position)
            fail("an input that loaded is shorter than its records");
        Bytes bytes(m_data + m_position, m_data + m_position + a_count);
        m_position += a_count;
        return bytes;
    }
    std::uint32_t p_u32(const Bytes& a_bytes) {
        return std::uint32_t(a_bytes[0]) | std::uint32_t(a_bytes[1]) << 8 |
               std::uint32_t(a_bytes[2]) << 16 | std::uint32_t(a_bytes[3]) << 24;
    }
    static void p_append(Bytes& a_to, const Bytes& a_bytes) {
        a_to.insert(a_to.end(), a_bytes.begin(), a_bytes.end());
    }

    Record p_record(bool a_with_id) {
        Record record{0, {}};
        if (a_with_id) {
            const Bytes id = p_take(4);
            record.id = p_u32(id);
            p_append(record.bytes, id);
        }
        const Bytes type_byte = p_take(1);
        p_append(record.bytes, type_byte);
        const auto type = Orvo::BiniValueType(type_byte[0]);
        if (type >= Orvo::BiniValueType_ENUM_SIZE)
            fail("an input that loaded has an unknown type");
        if (Orvo::is_bini_array_type(type)) {
            const Bytes count = p_take(4);
            p_append(record.bytes, count);
            p_append(record.bytes, p_take(std::size_t(p_u32(count)) * Orvo::bini_value_size(type)));
        } else {
            Bytes payload = p_take(Orvo::bini_value_size(type));
            if (type == Orvo::BiniValueType_BOOL)
                payload[0] = payload[0] != 0 ? 1 : 0;
            p_append(record.bytes, payload);
        }
        const Bytes count = p_take(4);
        p_append(record.bytes, count);
        std::vector<Record> children;
        for (std::uint32_t i = 0; i < p_u32(count); ++i)
            children.push_back(p_record(true));
        std::sort(children.begin(), children.end(),
                  [](const Record& a, const Record& b) { return a.id < b.id; });
        for (const Record& child : children)
            p_append(record.bytes, child.bytes);
        return record;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

void check_round_trip(const std::uint8_t* a_data, std::size_t a_size) {
    Orvo::MemoryInputStream input(a_data, a_size);
    Orvo::BiniNode tree;
    try {
        tree.load(input, {});
    } catch (const Orvo::Exception&) {
        return;
    }
    const auto consumed = std::size_t(input.get_consumed_bytes());
    if (consumed > a_size)
        fail("consumed more bytes than the input holds");
    const Bytes first = save_bytes(tree);
    const Bytes expected = Normaliser(a_data, consumed).run();
    if (first != expected) {
        const auto mismatch =
            std::mismatch(first.begin(), first.end(), expected.begin(), expected.end());
        std::fprintf(stderr, "sizes %zu and %zu, first difference at %zu\n", first.size(),
                     expected.size(), std::size_t(mismatch.first - first.begin()));
        fail("saved bytes differ from the normalised input");
    }

    Orvo::MemoryInputStream again(first.data(), first.size());
    Orvo::BiniNode reloaded;
    reloaded.load(again, {});
    if (again.get_remaining() != 0)
        fail("reloading left bytes unread");
    if (save_bytes(reloaded) != first)
        fail("second save differs from the first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size) {
    check_round_trip(a_data, a_size);
    return 0;
}
