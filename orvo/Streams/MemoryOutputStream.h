#pragma once
// Writes into a fixed block the caller owns; accepts what fits and refuses the rest.

#include "orvo/Streams/OutputStream.h"

#include <cstddef>

namespace Orvo {

class MemoryOutputStream : public OutputStream {
public:
    MemoryOutputStream(void* a_data, std::size_t a_capacity);

    std::size_t get_remaining() const noexcept { return m_remaining; }
    std::size_t get_written() const noexcept { return m_capacity - m_remaining; }

protected:
    unsigned do_write(unsigned a_bytes, const void* a_buffer) override;

private:
    unsigned char* m_position;
    std::size_t m_capacity;
    std::size_t m_remaining;
};

} // namespace Orvo
