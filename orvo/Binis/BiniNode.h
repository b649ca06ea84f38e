#pragma once
// A node of a Bini tree: the system's one binary persistence format (presets, the host chunk,
// the settings file). Each node has a 32-bit id, one typed value and owned children with
// distinct ids, kept in ascending id order.
//
// Byte format (all numbers little-endian): a caller-given preamble, the header
// 00 FF 01 FE 01 02 03 00, then the root record. A record is the id (u32, absent for the root),
// the type code (u8), the payload, the child count (u32) and the children's records in ascending
// id order. Arrays and strings store a u32 element count before their elements.
//
// Loading treats its bytes as untrusted: an element count is never allocated up front (storage
// grows only as bytes actually arrive), and nodes may lie at most max_depth levels below the root
// ("Node nesting too deep."). Saving refuses deeper trees too, so that every saved tree loads.
//
// Typed getters assert the value type (a programming error); code that reads foreign data checks
// get_value_type() or calls require_value_type(), which throws BiniException_InvalidValueType.

#include "orvo/Binis/BiniValueType.h"
#include "orvo/Containers/Map.h"
#include "orvo/Core/String.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

namespace Orvo {

class DataInputStream;
class DataOutputStream;
class InputStream;
class OutputStream;

class BiniNode {
public:
    using ChildMap = Map<std::uint32_t, std::unique_ptr<BiniNode>>;
    static constexpr unsigned max_depth = 256;

    // A root: id 0, no parent, type null.
    BiniNode() = default;
    BiniNode(const BiniNode&) = delete;
    BiniNode& operator=(const BiniNode&) = delete;
    ~BiniNode();

    std::uint32_t get_id() const noexcept { return m_id; }
    BiniNode* get_parent() const noexcept { return m_parent; }
    BiniValueType get_value_type() const noexcept { return m_value_type; }
    const ChildMap& get_children() const noexcept { return m_children; }
    // Elements of an array value or code units of a string; 0 for every other type.
    std::uint32_t get_element_count() const noexcept {
        return m_value_type == BiniValueType_STRING ? std::uint32_t(m_string.size())
                                                    : m_element_count;
    }

    // Asserts "!m_children.has_key(a_id)".
    BiniNode* add_child(std::uint32_t a_id);
    // Throws BiniException_ChildNotFound when absent.
    BiniNode* get_child(std::uint32_t a_id) const;
    // Null when absent.
    BiniNode* find_child(std::uint32_t a_id) const;

    // "/" for the root; otherwise the parent's path, "/" and the id text ("/3/PrPa").
    WString get_path_text() const;
    // The four characters when every byte is printable ASCII, else the decimal value.
    static WString get_id_text(std::uint32_t a_id);

    // Throws BiniException_InvalidValueType unless the value has type a_expected.
    void require_value_type(BiniValueType a_expected) const;

    // Deletes every child and frees the value; the type becomes null.
    void clear() noexcept;
    // Exchanges values and children (not ids or parents) with a_other, so that a tree loaded on
    // the side can replace this one in one step.
    void swap_contents(BiniNode& a_other) noexcept;

    void set_value_null() noexcept;
    void set_value_bool(bool a_value);
    void set_value_double(double a_value);
    void set_value_float(float a_value);
    void set_value_int8(std::int8_t a_value);
    void set_value_int16(std::int16_t a_value);
    void set_value_int32(std::int32_t a_value);
    void set_value_int64(std::int64_t a_value);
    void set_value_uint8(std::uint8_t a_value);
    void set_value_uint16(std::uint16_t a_value);
    void set_value_uint32(std::uint32_t a_value);
    void set_value_uint64(std::uint64_t a_value);
    void set_value_string(const WString& a_value);
    // Arrays are copied from a_values; a null pointer is allowed with a count of 0.
    void set_value_double_array(const double* a_values, std::uint32_t a_count);
    void set_value_float_array(const float* a_values, std::uint32_t a_count);
    void set_value_int8_array(const std::int8_t* a_values, std::uint32_t a_count);
    void set_value_int16_array(const std::int16_t* a_values, std::uint32_t a_count);
    void set_value_int32_array(const std::int32_t* a_values, std::uint32_t a_count);
    void set_value_int64_array(const std::int64_t* a_values, std::uint32_t a_count);
    void set_value_uint8_array(const std::uint8_t* a_values, std::uint32_t a_count);
    void set_value_uint16_array(const std::uint16_t* a_values, std::uint32_t a_count);
    void set_value_uint32_array(const std::uint32_t* a_values, std::uint32_t a_count);
    void set_value_uint64_array(const std::uint64_t* a_values, std::uint32_t a_count);

    // Each asserts "m_value_type == BiniValueType_<TYPE>".
    bool get_value_bool() const;
    double get_value_double() const;
    float get_value_float() const;
    std::int8_t get_value_int8() const;
    std::int16_t get_value_int16() const;
    std::int32_t get_value_int32() const;
    std::int64_t get_value_int64() const;
    std::uint8_t get_value_uint8() const;
    std::uint16_t get_value_uint16() const;
    std::uint32_t get_value_uint32() const;
    std::uint64_t get_value_uint64() const;
    const WString& get_value_string() const;
    std::span<const double> get_value_double_array() const;
    std::span<const float> get_value_float_array() const;
    std::span<const std::int8_t> get_value_int8_array() const;
    std::span<const std::int16_t> get_value_int16_array() const;
    std::span<const std::int32_t> get_value_int32_array() const;
    std::span<const std::int64_t> get_value_int64_array() const;
    std::span<const std::uint8_t> get_value_uint8_array() const;
    std::span<const std::uint16_t> get_value_uint16_array() const;
    std::span<const std::uint32_t> get_value_uint32_array() const;
    std::span<const std::uint64_t> get_value_uint64_array() const;

    // Replaces this node's content with the tree read from a_input, which must begin with
    // a_preamble. Format errors throw BiniException ("Invalid preamble.", "Invalid magic bytes.",
    // "Invalid header", "Unknown node type.", "Node nesting too deep."); truncated data throws
    // OperationFailedException. After a failure the node keeps what was read so far: load into a
    // fresh node when all or nothing is needed.
    void load(InputStream& a_input, std::string_view a_preamble);
    // Writes a_preamble, the header and this node as the root.
    void save(OutputStream& a_output, std::string_view a_preamble) const;

private:
    BiniNode(BiniNode* a_parent, std::uint32_t a_id) : m_parent(a_parent), m_id(a_id) {}

    void p_free_value() noexcept;
    template <class T>
    void p_set_scalar(BiniValueType a_type, T a_value) {
        static_assert(sizeof(T) <= sizeof(m_scalar));
        p_free_value();
        std::memcpy(&m_scalar, &a_value, sizeof(T));
        m_value_type = a_type;
    }
    template <class T>
    T p_scalar() const {
        T value;
        std::memcpy(&value, &m_scalar, sizeof(T));
        return value;
    }
    void p_set_array(BiniValueType a_type, const void* a_values, std::uint32_t a_count);
    void p_take_array(BiniValueType a_type, std::unique_ptr<unsigned char[]> a_block,
                      std::uint32_t a_count) noexcept;
    template <class T>
    std::span<const T> p_array() const;

    void p_read_record(DataInputStream& a_input, unsigned a_depth);
    void p_read_value(DataInputStream& a_input, BiniValueType a_type);
    void p_write_record(DataOutputStream& a_output, unsigned a_depth) const;
    void p_write_value(DataOutputStream& a_output) const;

    ChildMap m_children;
    BiniNode* m_parent = nullptr;
    std::uint32_t m_id = 0;
    BiniValueType m_value_type = BiniValueType_NULL;
    // Scalars keep their exact bit pattern, so a NaN payload survives a load and save.
    std::uint64_t m_scalar = 0;
    WString m_string;
    std::unique_ptr<unsigned char[]> m_array;
    std::uint32_t m_element_count = 0;
};

} // namespace Orvo
