// Loading and saving of Bini trees.

#include "orvo/Binis/BiniException.h"
#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "orvo/Streams/DataInputStream.h"
#include "orvo/Streams/DataOutputStream.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace Orvo {

namespace {

constexpr unsigned char p_magic[4] = {0x00, 0xFF, 0x01, 0xFE};
constexpr unsigned char p_header_rest[4] = {0x01, 0x02, 0x03, 0x00};

// Untrusted counts are read in pieces of this size, so storage grows only with bytes that
// actually arrived (at most three times their size while growing) and a count of four billion
// in a ten-byte file fails at the first short read instead of allocating gigabytes.
constexpr std::size_t p_piece_bytes = 64 * 1024;

void p_read_elements(DataInputStream& a_input, unsigned char* a_target, std::size_t a_bytes,
                     unsigned a_element_size) {
    const auto count = unsigned(a_bytes / a_element_size);
    switch (a_element_size) {
    case 1:
        a_input.read_bytes(count, a_target);
        break;
    case 2:
        a_input.read_array_16(count, a_target);
        break;
    case 4:
        a_input.read_array_32(count, a_target);
        break;
    default:
        a_input.read_array_64(count, a_target);
        break;
    }
}

std::unique_ptr<unsigned char[]> p_read_block(DataInputStream& a_input, std::uint32_t a_count,
                                              unsigned a_element_size) {
    static_assert(p_piece_bytes % 8 == 0, "pieces must hold whole elements");
    const std::size_t total = std::size_t(a_count) * a_element_size;
    std::size_t capacity = std::min(total, p_piece_bytes);
    auto block = std::make_unique_for_overwrite<unsigned char[]>(capacity);
    std::size_t filled = 0;
    while (filled < total) {
        if (filled == capacity) {
            const std::size_t grown = std::min(total, capacity * 2);
            auto larger = std::make_unique_for_overwrite<unsigned char[]>(grown);
            std::memcpy(larger.get(), block.get(), filled);
            block = std::move(larger);
            capacity = grown;
        }
        const std::size_t piece = std::min(p_piece_bytes, capacity - filled);
        p_read_elements(a_input, block.get() + filled, piece, a_element_size);
        filled += piece;
    }
    return block;
}

void p_write_elements(DataOutputStream& a_output, const unsigned char* a_block,
                      std::uint32_t a_count, unsigned a_element_size) {
    // One write call takes at most UINT_MAX bytes; a large array of wide elements goes in parts.
    const std::uint32_t per_call = UINT_MAX / a_element_size;
    while (a_count) {
        const std::uint32_t count = std::min(a_count, per_call);
        switch (a_element_size) {
        case 1:
            a_output.write_bytes(count, a_block);
            break;
        case 2:
            a_output.write_array_16(count, a_block);
            break;
        case 4:
            a_output.write_array_32(count, a_block);
            break;
        default:
            a_output.write_array_64(count, a_block);
            break;
        }
        a_block += std::size_t(count) * a_element_size;
        a_count -= count;
    }
}

[[noreturn]] void p_too_deep() {
    throw BiniException(u"Node nesting too deep.");
}

} // namespace

void BiniNode::load(InputStream& a_input, std::string_view a_preamble) {
    ORVO_ASSERT(a_preamble.size() <= UINT_MAX);
    clear();
    DataInputStream input(&a_input, Endiannes_LITTLE);
    if (!a_preamble.empty()) {
        std::string preamble(a_preamble.size(), '\0');
        input.read_bytes(unsigned(preamble.size()), preamble.data());
        if (preamble != a_preamble)
            throw BiniException(u"Invalid preamble.");
    }
    unsigned char header[8];
    input.read_bytes(8, header);
    if (std::memcmp(header, p_magic, 4) != 0)
        throw BiniException(u"Invalid magic bytes.");
    // The eighth byte is not examined: writers have not always set it.
    if (std::memcmp(header + 4, p_header_rest, 3) != 0)
        throw BiniException(u"Invalid header");
    p_read_record(input, 0);
}

void BiniNode::save(OutputStream& a_output, std::string_view a_preamble) const {
    ORVO_ASSERT(a_preamble.size() <= UINT_MAX);
    DataOutputStream output(&a_output, Endiannes_LITTLE);
    output.write_bytes(unsigned(a_preamble.size()), a_preamble.data());
    output.write_bytes(4, p_magic);
    output.write_bytes(4, p_header_rest);
    p_write_record(output, 0);
}

void BiniNode::p_read_record(DataInputStream& a_input, unsigned a_depth) {
    const std::uint8_t code = a_input.read_uint8();
    if (code >= BiniValueType_ENUM_SIZE)
        throw BiniException(u"Unknown node type.");
    p_read_value(a_input, BiniValueType(code));
    const std::uint32_t child_count = a_input.read_uint32();
    if (child_count && a_depth >= max_depth)
        p_too_deep();
    // No space is reserved for the children: the count is only believed as they arrive.
    for (std::uint32_t i = 0; i < child_count; ++i) {
        const std::uint32_t id = a_input.read_uint32();
        add_child(id)->p_read_record(a_input, a_depth + 1);
    }
}

void BiniNode::p_read_value(DataInputStream& a_input, BiniValueType a_type) {
    switch (a_type) {
    case BiniValueType_NULL:
        set_value_null();
        return;
    case BiniValueType_BOOL:
        set_value_bool(a_input.read_uint8() != 0);
        return;
    case BiniValueType_INT8:
    case BiniValueType_UINT8:
        p_set_scalar(a_type, a_input.read_uint8());
        return;
    case BiniValueType_INT16:
    case BiniValueType_UINT16:
        p_set_scalar(a_type, a_input.read_uint16());
        return;
    // Floats travel as bit patterns, never through a floating-point register.
    case BiniValueType_FLOAT:
    case BiniValueType_INT32:
    case BiniValueType_UINT32:
        p_set_scalar(a_type, a_input.read_uint32());
        return;
    case BiniValueType_DOUBLE:
    case BiniValueType_INT64:
    case BiniValueType_UINT64:
        p_set_scalar(a_type, a_input.read_uint64());
        return;
    case BiniValueType_STRING: {
        const std::uint32_t length = a_input.read_uint32();
        const auto block = p_read_block(a_input, length, 2);
        WString text;
        text.resize(length);
        if (length)
            std::memcpy(text.data(), block.get(), std::size_t(length) * 2);
        p_free_value();
        m_string = std::move(text);
        m_value_type = BiniValueType_STRING;
        return;
    }
    default: {
        const std::uint32_t count = a_input.read_uint32();
        p_take_array(a_type, p_read_block(a_input, count, bini_value_size(a_type)), count);
        return;
    }
    }
}

void BiniNode::p_write_record(DataOutputStream& a_output, unsigned a_depth) const {
    if (!m_children.empty() && a_depth >= max_depth)
        p_too_deep();
    a_output.write_uint8(m_value_type);
    p_write_value(a_output);
    ORVO_ASSERT(m_children.size() <= UINT32_MAX);
    a_output.write_uint32(std::uint32_t(m_children.size()));
    for (const auto& [id, child] : m_children) {
        a_output.write_uint32(id);
        child->p_write_record(a_output, a_depth + 1);
    }
}

void BiniNode::p_write_value(DataOutputStream& a_output) const {
    switch (m_value_type) {
    case BiniValueType_NULL:
        return;
    case BiniValueType_BOOL:
    case BiniValueType_INT8:
    case BiniValueType_UINT8:
        a_output.write_uint8(p_scalar<std::uint8_t>());
        return;
    case BiniValueType_INT16:
    case BiniValueType_UINT16:
        a_output.write_uint16(p_scalar<std::uint16_t>());
        return;
    case BiniValueType_FLOAT:
    case BiniValueType_INT32:
    case BiniValueType_UINT32:
        a_output.write_uint32(p_scalar<std::uint32_t>());
        return;
    case BiniValueType_DOUBLE:
    case BiniValueType_INT64:
    case BiniValueType_UINT64:
        a_output.write_uint64(p_scalar<std::uint64_t>());
        return;
    case BiniValueType_STRING:
        ORVO_ASSERT(m_string.size() <= UINT32_MAX);
        a_output.write_uint32(std::uint32_t(m_string.size()));
        p_write_elements(a_output, reinterpret_cast<const unsigned char*>(m_string.data()),
                         std::uint32_t(m_string.size()), 2);
        return;
    case BiniValueType_DOUBLE_ARRAY:
    case BiniValueType_FLOAT_ARRAY:
    case BiniValueType_INT8_ARRAY:
    case BiniValueType_INT16_ARRAY:
    case BiniValueType_INT32_ARRAY:
    case BiniValueType_INT64_ARRAY:
    case BiniValueType_UINT8_ARRAY:
    case BiniValueType_UINT16_ARRAY:
    case BiniValueType_UINT32_ARRAY:
    case BiniValueType_UINT64_ARRAY:
        a_output.write_uint32(m_element_count);
        p_write_elements(a_output, m_array.get(), m_element_count, bini_value_size(m_value_type));
        return;
    case BiniValueType_ENUM_SIZE:
        break;
    }
    throw BiniException(u"Invalid bini node type when saving.");
}

} // namespace Orvo
