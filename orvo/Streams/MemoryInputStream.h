#pragma once
// Reads a block the caller owns and keeps alive for the stream's lifetime.

#include "orvo/Streams/InputStream.h"

#include <cstddef>

namespace Orvo {

class MemoryInputStream : public InputStream {
public:
    MemoryInputStream(const void* a_data, std::size_t a_size);

    std::size_t get_remaining() const noexcept { return m_remaining; }

protected:
    bool do_has_data() override { return m_remaining > 0; }
    unsigned do_peek(unsigned a_bytes, void* a_buffer) override;
    unsigned do_read(unsigned a_bytes, void* a_buffer) override;
    unsigned do_skip(unsigned a_bytes) override;

private:
    const unsigned char* m_position;
    std::size_t m_remaining;
};

} // namespace Orvo
