#pragma once
// Source of bytes. Subclasses implement a small virtual core (do_*); callers use the non-virtual
// wrappers, which check their arguments, keep the consumed-bytes count and turn short reads into
// exceptions where the caller needs every byte.
//
// End of data: has_data() answers "data remains", for every kind of stream.
//
// A stream is used by one thread at a time.

#include <cstdint>

namespace Orvo {

class InputStream {
public:
    InputStream() = default;
    InputStream(const InputStream&) = delete;
    InputStream& operator=(const InputStream&) = delete;
    virtual ~InputStream();

    // True while at least one more byte can be read.
    bool has_data() { return do_has_data(); }

    // Copy up to a_bytes without consuming them; returns the count copied.
    unsigned try_peek(unsigned a_bytes, void* a_buffer);
    // Copy and consume up to a_bytes; returns the count read.
    unsigned try_read(unsigned a_bytes, void* a_buffer);
    // Exactly a_bytes or OperationFailedException. What was read before the shortage is still
    // consumed and counted.
    void read(unsigned a_bytes, void* a_buffer);
    // Consume up to a_bytes without copying; returns the count skipped.
    unsigned try_skip(unsigned a_bytes);
    // Exactly a_bytes or OperationFailedException.
    void skip(unsigned a_bytes);

    std::uint64_t get_consumed_bytes() const noexcept { return m_consumed_bytes; }

protected:
    virtual bool do_has_data() = 0;
    virtual unsigned do_peek(unsigned a_bytes, void* a_buffer) = 0;
    virtual unsigned do_read(unsigned a_bytes, void* a_buffer) = 0;
    virtual unsigned do_skip(unsigned a_bytes) = 0;

private:
    std::uint64_t m_consumed_bytes = 0;
};

} // namespace Orvo
