#include "orvo/Streams/InputStream.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/OperationFailedException.h"

namespace Orvo {

InputStream::~InputStream() = default;

unsigned InputStream::try_peek(unsigned a_bytes, void* a_buffer) {
    ORVO_ASSERT(a_buffer || !a_bytes);
    if (!a_bytes)
        return 0;
    return do_peek(a_bytes, a_buffer);
}

unsigned InputStream::try_read(unsigned a_bytes, void* a_buffer) {
    ORVO_ASSERT(a_buffer || !a_bytes);
    if (!a_bytes)
        return 0;
    const unsigned count = do_read(a_bytes, a_buffer);
    m_consumed_bytes += count;
    return count;
}

void InputStream::read(unsigned a_bytes, void* a_buffer) {
    ORVO_ASSERT(a_buffer || !a_bytes);
    if (try_read(a_bytes, a_buffer) != a_bytes)
        throw OperationFailedException();
}

unsigned InputStream::try_skip(unsigned a_bytes) {
    if (!a_bytes)
        return 0;
    const unsigned count = do_skip(a_bytes);
    m_consumed_bytes += count;
    return count;
}

void InputStream::skip(unsigned a_bytes) {
    if (try_skip(a_bytes) != a_bytes)
        throw OperationFailedException();
}

} // namespace Orvo
