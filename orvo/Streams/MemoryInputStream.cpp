#include "orvo/Streams/MemoryInputStream.h"

#include "orvo/Core/Assert.h"

#include <algorithm>
#include <cstring>

namespace Orvo {

MemoryInputStream::MemoryInputStream(const void* a_data, std::size_t a_size)
    : m_position(static_cast<const unsigned char*>(a_data)), m_remaining(a_size) {
    ORVO_ASSERT(a_data || !a_size);
}

unsigned MemoryInputStream::do_peek(unsigned a_bytes, void* a_buffer) {
    const auto count = unsigned(std::min<std::size_t>(a_bytes, m_remaining));
    if (count)
        std::memcpy(a_buffer, m_position, count);
    return count;
}

unsigned MemoryInputStream::do_read(unsigned a_bytes, void* a_buffer) {
    const unsigned count = do_peek(a_bytes, a_buffer);
    m_position += count;
    m_remaining -= count;
    return count;
}

unsigned MemoryInputStream::do_skip(unsigned a_bytes) {
    const auto count = unsigned(std::min<std::size_t>(a_bytes, m_remaining));
    m_position += count;
    m_remaining -= count;
    return count;
}

} // namespace Orvo
