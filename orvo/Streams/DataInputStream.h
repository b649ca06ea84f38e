#pragma once
// Typed reads over another stream (not owned) in a chosen byte order. Every typed read is exact:
// a short read throws OperationFailedException.

#include "orvo/Streams/Endiannes.h"
#include "orvo/Streams/InputStream.h"

#include <cstdint>

namespace Orvo {

class DataInputStream : public InputStream {
public:
    DataInputStream(InputStream* a_input, Endiannes a_order);

    Endiannes get_order() const noexcept { return m_order; }

    std::uint8_t read_uint8();
    std::uint16_t read_uint16();
    std::uint32_t read_uint32();
    std::uint64_t read_uint64();
    float read_float();
    double read_double();
    void read_bytes(unsigned a_count, void* a_buffer);
    // Arrays of a_count elements of 16, 32 or 64 bits, read in one piece and then put into the
    // machine's order element by element.
    void read_array_16(unsigned a_count, void* a_buffer);
    void read_array_32(unsigned a_count, void* a_buffer);
    void read_array_64(unsigned a_count, void* a_buffer);

protected:
    bool do_has_data() override;
    unsigned do_peek(unsigned a_bytes, void* a_buffer) override;
    unsigned do_read(unsigned a_bytes, void* a_buffer) override;
    unsigned do_skip(unsigned a_bytes) override;

private:
    void p_read_array(unsigned a_count, unsigned a_element_size, void* a_buffer);

    InputStream* m_input;
    Endiannes m_order;
    bool m_reverse;
};

} // namespace Orvo
