#pragma once
// Sink of bytes. Subclasses implement do_write (and flush when they buffer); callers use
// try_write when a partial write is acceptable and write_all when it is not.
//
// A stream is used by one thread at a time.

namespace Orvo {

class OutputStream {
public:
    OutputStream() = default;
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;
    virtual ~OutputStream();

    // Accept up to a_bytes; returns the count accepted.
    unsigned try_write(unsigned a_bytes, const void* a_buffer);
    // All a_bytes or OperationFailedException.
    void write_all(unsigned a_bytes, const void* a_buffer);
    // Hand buffered bytes on; the base has none.
    virtual void flush();

protected:
    virtual unsigned do_write(unsigned a_bytes, const void* a_buffer) = 0;
};

} // namespace Orvo
