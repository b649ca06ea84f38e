#include "orvo/Binis/BiniNode.h"

#include "orvo/Binis/BiniException_ChildNotFound.h"
#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Core/Assert.h"
#include "orvo/Core/FourCc.h"

#include <cstring>
#include <utility>

namespace Orvo {

BiniNode::~BiniNode() = default;

BiniNode* BiniNode::add_child(std::uint32_t a_id) {
    ORVO_ASSERT(!m_children.has_key(a_id));
    std::unique_ptr<BiniNode> child(new BiniNode(this, a_id));
    BiniNode* result = child.get();
    m_children.emplace(a_id, std::move(child));
    return result;
}

BiniNode* BiniNode::get_child(std::uint32_t a_id) const {
    BiniNode* child = find_child(a_id);
    if (!child)
        throw BiniException_ChildNotFound(*this, a_id);
    return child;
}

BiniNode* BiniNode::find_child(std::uint32_t a_id) const {
    const std::unique_ptr<BiniNode>* child = m_children.find_value(a_id);
    return child ? child->get() : nullptr;
}

WString BiniNode::get_path_text() const {
    if (!m_parent)
        return WString(u"/");
    WString path = m_parent->get_path_text();
    if (!path.ends_with(u'/'))
        path.append(u'/');
    path.append(get_id_text(m_id));
    return path;
}

WString BiniNode::get_id_text(std::uint32_t a_id) {
    return four_cc_text(a_id);
}

void BiniNode::require_value_type(BiniValueType a_expected) const {
    if (m_value_type != a_expected)
        throw BiniException_InvalidValueType(*this, a_expected);
}

void BiniNode::clear() noexcept {
    m_children.clear();
    p_free_value();
}

void BiniNode::swap_contents(BiniNode& a_other) noexcept {
    m_children.swap(a_other.m_children);
    for (auto& [id, child] : m_children)
        child->m_parent = this;
    for (auto& [id, child] : a_other.m_children)
        child->m_parent = &a_other;
    std::swap(m_value_type, a_other.m_value_type);
    std::swap(m_scalar, a_other.m_scalar);
    std::swap(m_string, a_other.m_string);
    std::swap(m_array, a_other.m_array);
    std::swap(m_element_count, a_other.m_element_count);
}

void BiniNode::p_free_value() noexcept {
    m_value_type = BiniValueType_NULL;
    m_scalar = 0;
    m_string = WString();
    m_array.reset();
    m_element_count = 0;
}

void BiniNode::p_set_array(BiniValueType a_type, const void* a_values, std::uint32_t a_count) {
    ORVO_ASSERT(a_values || !a_count);
    const std::size_t bytes = std::size_t(a_count) * bini_value_size(a_type);
    // Copied before the old value is freed: a_values may point into this node's own array.
    auto block = std::make_unique_for_overwrite<unsigned char[]>(bytes);
    if (bytes)
        std::memcpy(block.get(), a_values, bytes);
    p_take_array(a_type, std::move(block), a_count);
}

void BiniNode::p_take_array(BiniValueType a_type, std::unique_ptr<unsigned char[]> a_block,
                            std::uint32_t a_count) noexcept {
    p_free_value();
    m_array = std::move(a_block);
    m_element_count = a_count;
    m_value_type = a_type;
}

// The block comes from new unsigned char[], which is aligned for every element type and
// implicitly creates the elements.
template <class T>
std::span<const T> BiniNode::p_array() const {
    return {reinterpret_cast<const T*>(m_array.get()), m_element_count};
}

void BiniNode::set_value_null() noexcept {
    p_free_value();
}

void BiniNode::set_value_bool(bool a_value) {
    p_set_scalar(BiniValueType_BOOL, std::uint8_t(a_value ? 1 : 0));
}

void BiniNode::set_value_double(double a_value) {
    p_set_scalar(BiniValueType_DOUBLE, a_value);
}

void BiniNode::set_value_float(float a_value) {
    p_set_scalar(BiniValueType_FLOAT, a_value);
}

void BiniNode::set_value_int8(std::int8_t a_value) {
    p_set_scalar(BiniValueType_INT8, a_value);
}

void BiniNode::set_value_int16(std::int16_t a_value) {
    p_set_scalar(BiniValueType_INT16, a_value);
}

void BiniNode::set_value_int32(std::int32_t a_value) {
    p_set_scalar(BiniValueType_INT32, a_value);
}

void BiniNode::set_value_int64(std::int64_t a_value) {
    p_set_scalar(BiniValueType_INT64, a_value);
}

void BiniNode::set_value_uint8(std::uint8_t a_value) {
    p_set_scalar(BiniValueType_UINT8, a_value);
}

void BiniNode::set_value_uint16(std::uint16_t a_value) {
    p_set_scalar(BiniValueType_UINT16, a_value);
}

void BiniNode::set_value_uint32(std::uint32_t a_value) {
    p_set_scalar(BiniValueType_UINT32, a_value);
}

void BiniNode::set_value_uint64(std::uint64_t a_value) {
    p_set_scalar(BiniValueType_UINT64, a_value);
}

void BiniNode::set_value_string(const WString& a_value) {
    WString copy(a_value);
    p_free_value();
    m_string = std::move(copy);
    m_value_type = BiniValueType_STRING;
}

void BiniNode::set_value_double_array(const double* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_DOUBLE_ARRAY, a_values, a_count);
}

void BiniNode::set_value_float_array(const float* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_FLOAT_ARRAY, a_values, a_count);
}

void BiniNode::set_value_int8_array(const std::int8_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_INT8_ARRAY, a_values, a_count);
}

void BiniNode::set_value_int16_array(const std::int16_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_INT16_ARRAY, a_values, a_count);
}

void BiniNode::set_value_int32_array(const std::int32_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_INT32_ARRAY, a_values, a_count);
}

void BiniNode::set_value_int64_array(const std::int64_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_INT64_ARRAY, a_values, a_count);
}

void BiniNode::set_value_uint8_array(const std::uint8_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_UINT8_ARRAY, a_values, a_count);
}

void BiniNode::set_value_uint16_array(const std::uint16_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_UINT16_ARRAY, a_values, a_count);
}

void BiniNode::set_value_uint32_array(const std::uint32_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_UINT32_ARRAY, a_values, a_count);
}

void BiniNode::set_value_uint64_array(const std::uint64_t* a_values, std::uint32_t a_count) {
    p_set_array(BiniValueType_UINT64_ARRAY, a_values, a_count);
}

bool BiniNode::get_value_bool() const {
    ORVO_ASSERT(m_value_type == BiniValueType_BOOL);
    return p_scalar<std::uint8_t>() != 0;
}

double BiniNode::get_value_double() const {
    ORVO_ASSERT(m_value_type == BiniValueType_DOUBLE);
    return p_scalar<double>();
}

float BiniNode::get_value_float() const {
    ORVO_ASSERT(m_value_type == BiniValueType_FLOAT);
    return p_scalar<float>();
}

std::int8_t BiniNode::get_value_int8() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT8);
    return p_scalar<std::int8_t>();
}

std::int16_t BiniNode::get_value_int16() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT16);
    return p_scalar<std::int16_t>();
}

std::int32_t BiniNode::get_value_int32() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT32);
    return p_scalar<std::int32_t>();
}

std::int64_t BiniNode::get_value_int64() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT64);
    return p_scalar<std::int64_t>();
}

std::uint8_t BiniNode::get_value_uint8() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT8);
    return p_scalar<std::uint8_t>();
}

std::uint16_t BiniNode::get_value_uint16() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT16);
    return p_scalar<std::uint16_t>();
}

std::uint32_t BiniNode::get_value_uint32() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT32);
    return p_scalar<std::uint32_t>();
}

std::uint64_t BiniNode::get_value_uint64() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT64);
    return p_scalar<std::uint64_t>();
}

const WString& BiniNode::get_value_string() const {
    ORVO_ASSERT(m_value_type == BiniValueType_STRING);
    return m_string;
}

std::span<const double> BiniNode::get_value_double_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_DOUBLE_ARRAY);
    return p_array<double>();
}

std::span<const float> BiniNode::get_value_float_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_FLOAT_ARRAY);
    return p_array<float>();
}

std::span<const std::int8_t> BiniNode::get_value_int8_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT8_ARRAY);
    return p_array<std::int8_t>();
}

std::span<const std::int16_t> BiniNode::get_value_int16_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT16_ARRAY);
    return p_array<std::int16_t>();
}

std::span<const std::int32_t> BiniNode::get_value_int32_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT32_ARRAY);
    return p_array<std::int32_t>();
}

std::span<const std::int64_t> BiniNode::get_value_int64_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_INT64_ARRAY);
    return p_array<std::int64_t>();
}

std::span<const std::uint8_t> BiniNode::get_value_uint8_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT8_ARRAY);
    return p_array<std::uint8_t>();
}

std::span<const std::uint16_t> BiniNode::get_value_uint16_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT16_ARRAY);
    return p_array<std::uint16_t>();
}

std::span<const std::uint32_t> BiniNode::get_value_uint32_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT32_ARRAY);
    return p_array<std::uint32_t>();
}

std::span<const std::uint64_t> BiniNode::get_value_uint64_array() const {
    ORVO_ASSERT(m_value_type == BiniValueType_UINT64_ARRAY);
    return p_array<std::uint64_t>();
}

} // namespace Orvo
