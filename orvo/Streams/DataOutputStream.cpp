#include "orvo/Streams/DataOutputStream.h"

#include "orvo/Core/Assert.h"
#include "orvo/Streams/ByteOrder.h"

#include <climits>
#include <cstring>

namespace Orvo {

namespace {

template <class T>
void p_write_value(OutputStream& a_stream, T a_value, bool a_reverse) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &a_value, sizeof(T));
    if (a_reverse)
        reverse_bytes(bytes, sizeof(T));
    a_stream.write_all(sizeof(T), bytes);
}

} // namespace

DataOutputStream::DataOutputStream(OutputStream* a_output, Endiannes a_order)
    : m_output(a_output), m_order(a_order), m_reverse(byte_order_reverses(a_order)) {
    ORVO_ASSERT(a_output);
}

void DataOutputStream::write_uint8(std::uint8_t a_value) {
    p_write_value(*this, a_value, false);
}

void DataOutputStream::write_uint16(std::uint16_t a_value) {
    p_write_value(*this, a_value, m_reverse);
}

void DataOutputStream::write_uint32(std::uint32_t a_value) {
    p_write_value(*this, a_value, m_reverse);
}

void DataOutputStream::write_uint64(std::uint64_t a_value) {
    p_write_value(*this, a_value, m_reverse);
}

void DataOutputStream::write_float(float a_value) {
    p_write_value(*this, a_value, m_reverse);
}

void DataOutputStream::write_double(double a_value) {
    p_write_value(*this, a_value, m_reverse);
}

void DataOutputStream::write_bytes(unsigned a_count, const void* a_buffer) {
    write_all(a_count, a_buffer);
}

void DataOutputStream::write_array_16(unsigned a_count, const void* a_buffer) {
    p_write_array(a_count, 2, a_buffer);
}

void DataOutputStream::write_array_32(unsigned a_count, const void* a_buffer) {
    p_write_array(a_count, 4, a_buffer);
}

void DataOutputStream::write_array_64(unsigned a_count, const void* a_buffer) {
    p_write_array(a_count, 8, a_buffer);
}

void DataOutputStream::p_write_array(unsigned a_count, unsigned a_element_size,
                                     const void* a_buffer) {
    ORVO_ASSERT(a_count <= UINT_MAX / a_element_size);
    if (!m_reverse) {
        write_all(a_count * a_element_size, a_buffer);
        return;
    }
    const auto* element = static_cast<const unsigned char*>(a_buffer);
    unsigned char bytes[8];
    for (unsigned i = 0; i < a_count; ++i, element += a_element_size) {
        std::memcpy(bytes, element, a_element_size);
        reverse_bytes(bytes, a_element_size);
        write_all(a_element_size, bytes);
    }
}

void DataOutputStream::flush() {
    m_output->flush();
}

unsigned DataOutputStream::do_write(unsigned a_bytes, const void* a_buffer) {
    return m_output->try_write(a_bytes, a_buffer);
}

} // namespace Orvo
