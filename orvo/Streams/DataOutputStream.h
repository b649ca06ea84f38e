#pragma once
// Typed writes over another stream (not owned) in a chosen byte order. Every write is complete
// or throws OperationFailedException.

#include "orvo/Streams/Endiannes.h"
#include "orvo/Streams/OutputStream.h"

#include <cstdint>

namespace Orvo {

class DataOutputStream : public OutputStream {
public:
    DataOutputStream(OutputStream* a_output, Endiannes a_order);

    Endiannes get_order() const noexcept { return m_order; }

    void write_uint8(std::uint8_t a_value);
    void write_uint16(std::uint16_t a_value);
    void write_uint32(std::uint32_t a_value);
    void write_uint64(std::uint64_t a_value);
    void write_float(float a_value);
    void write_double(double a_value);
    void write_bytes(unsigned a_count, const void* a_buffer);
    // Arrays of a_count elements of 16, 32 or 64 bits in the machine's order.
    void write_array_16(unsigned a_count, const void* a_buffer);
    void write_array_32(unsigned a_count, const void* a_buffer);
    void write_array_64(unsigned a_count, const void* a_buffer);

    void flush() override;

protected:
    unsigned do_write(unsigned a_bytes, const void* a_buffer) override;

private:
    void p_write_array(unsigned a_count, unsigned a_element_size, const void* a_buffer);

    OutputStream* m_output;
    Endiannes m_order;
    bool m_reverse;
};

} // namespace Orvo
