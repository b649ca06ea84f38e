#include "orvo/Streams/MemoryOutputStream.h"

#include "orvo/Core/Assert.h"

#include <algorithm>
#include <cstring>

namespace Orvo {

MemoryOutputStream::MemoryOutputStream(void* a_data, std::size_t a_capacity)
    : m_position(static_cast<unsigned char*>(a_data)), m_capacity(a_capacity),
      m_remaining(a_capacity) {
    ORVO_ASSERT(a_data || !a_capacity);
}

unsigned MemoryOutputStream::do_write(unsigned a_bytes, const void* a_buffer) {
    const auto count = unsigned(std::min<std::size_t>(a_bytes, m_remaining));
    if (count)
        std::memcpy(m_position, a_buffer, count);
    m_position += count;
    m_remaining -= count;
    return count;
}

} // namespace Orvo
