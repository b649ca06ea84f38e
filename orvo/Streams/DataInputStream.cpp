#include "orvo/Streams/DataInputStream.h"

#include "orvo/Core/Assert.h"
#include "orvo/Streams/ByteOrder.h"

#include <climits>
#include <cstring>

namespace Orvo {

namespace {

template <class T>
T p_read_value(InputStream& a_stream, bool a_reverse) {
    unsigned char bytes[sizeof(T)];
    a_stream.read(sizeof(T), bytes);
    if (a_reverse)
        reverse_bytes(bytes, sizeof(T));
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

} // namespace

DataInputStream::DataInputStream(InputStream* a_input, Endiannes a_order)
    : m_input(a_input), m_order(a_order), m_reverse(byte_order_reverses(a_order)) {
    ORVO_ASSERT(a_input);
}

std::uint8_t DataInputStream::read_uint8() {
    return p_read_value<std::uint8_t>(*this, false);
}

std::uint16_t DataInputStream::read_uint16() {
    return p_read_value<std::uint16_t>(*this, m_reverse);
}

std::uint32_t DataInputStream::read_uint32() {
    return p_read_value<std::uint32_t>(*this, m_reverse);
}

std::uint64_t DataInputStream::read_uint64() {
    return p_read_value<std::uint64_t>(*this, m_reverse);
}

float DataInputStream::read_float() {
    return p_read_value<float>(*this, m_reverse);
}

double DataInputStream::read_double() {
    return p_read_value<double>(*this, m_reverse);
}

void DataInputStream::read_bytes(unsigned a_count, void* a_buffer) {
    read(a_count, a_buffer);
}

void DataInputStream::read_array_16(unsigned a_count, void* a_buffer) {
    p_read_array(a_count, 2, a_buffer);
}

void DataInputStream::read_array_32(unsigned a_count, void* a_buffer) {
    p_read_array(a_count, 4, a_buffer);
}

void DataInputStream::read_array_64(unsigned a_count, void* a_buffer) {
    p_read_array(a_count, 8, a_buffer);
}

void DataInputStream::p_read_array(unsigned a_count, unsigned a_element_size, void* a_buffer) {
    ORVO_ASSERT(a_count <= UINT_MAX / a_element_size);
    read(a_count * a_element_size, a_buffer);
    if (!m_reverse)
        return;
    auto* element = static_cast<unsigned char*>(a_buffer);
    for (unsigned i = 0; i < a_count; ++i, element += a_element_size)
        reverse_bytes(element, a_element_size);
}

bool DataInputStream::do_has_data() {
    return m_input->has_data();
}

unsigned DataInputStream::do_peek(unsigned a_bytes, void* a_buffer) {
    return m_input->try_peek(a_bytes, a_buffer);
}

unsigned DataInputStream::do_read(unsigned a_bytes, void* a_buffer) {
    return m_input->try_read(a_bytes, a_buffer);
}

unsigned DataInputStream::do_skip(unsigned a_bytes) {
    return m_input->try_skip(a_bytes);
}

} // namespace Orvo
