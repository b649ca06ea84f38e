#pragma once
// An in-memory sink that never refuses data. Bytes go into chunks of a fixed size, allocated on
// demand, so that a large result (a host chunk) never needs one block reallocated and copied as
// it grows. The owner reads the result chunk by chunk: every chunk but the last is full.

#include "orvo/Core/Vector.h"
#include "orvo/Streams/OutputStream.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Orvo {

class ExpandingOutputStream : public OutputStream {
public:
    explicit ExpandingOutputStream(std::size_t a_chunk_size);

    std::size_t get_chunk_size() const noexcept { return m_chunk_size; }
    std::uint64_t get_size() const noexcept { return m_size; }
    std::size_t get_chunk_count() const noexcept { return m_chunks.size(); }
    const unsigned char* get_chunk(std::size_t a_index) const;
    // The bytes held by chunk a_index: the chunk size, except for the last chunk.
    std::size_t get_chunk_fill(std::size_t a_index) const;

    // Copies everything written into a_buffer, which holds at least get_size() bytes.
    void copy_to(void* a_buffer) const;

protected:
    unsigned do_write(unsigned a_bytes, const void* a_buffer) override;

private:
    Vector<std::unique_ptr<unsigned char[]>> m_chunks;
    std::size_t m_chunk_size;
    std::uint64_t m_size = 0;
    unsigned char* m_position = nullptr;
    std::size_t m_space_left = 0;
};

} // namespace Orvo
