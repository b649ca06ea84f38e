#include "orvo/Streams/ExpandingOutputStream.h"

#include "orvo/Core/Assert.h"

#include <algorithm>
#include <cstring>

namespace Orvo {

ExpandingOutputStream::ExpandingOutputStream(std::size_t a_chunk_size)
    : m_chunk_size(a_chunk_size) {
    ORVO_ASSERT(a_chunk_size > 0);
}

const unsigned char* ExpandingOutputStream::get_chunk(std::size_t a_index) const {
    return m_chunks.get(a_index).get();
}

std::size_t ExpandingOutputStream::get_chunk_fill(std::size_t a_index) const {
    ORVO_ASSERT(a_index < m_chunks.size());
    return a_index + 1 < m_chunks.size() ? m_chunk_size : m_chunk_size - m_space_left;
}

void ExpandingOutputStream::copy_to(void* a_buffer) const {
    ORVO_ASSERT(a_buffer || !m_size);
    auto* target = static_cast<unsigned char*>(a_buffer);
    for (std::size_t i = 0; i < m_chunks.size(); ++i) {
        const std::size_t fill = get_chunk_fill(i);
        std::memcpy(target, m_chunks[i].get(), fill);
        target += fill;
    }
}

unsigned ExpandingOutputStream::do_write(unsigned a_bytes, const void* a_buffer) {
    const auto* source = static_cast<const unsigned char*>(a_buffer);
    std::size_t left = a_bytes;
    while (left) {
        // Allocated only when bytes arrive, so that exactly one chunk's worth leaves no empty
        // second chunk behind.
        if (!m_space_left) {
            m_chunks.push_back(std::make_unique_for_overwrite<unsigned char[]>(m_chunk_size));
            m_position = m_chunks.back().get();
            m_space_left = m_chunk_size;
        }
        const std::size_t count = std::min(left, m_space_left);
        std::memcpy(m_position, source, count);
        m_position += count;
        m_space_left -= count;
        source += count;
        left -= count;
        m_size += count;
    }
    return a_bytes;
}

} // namespace Orvo
