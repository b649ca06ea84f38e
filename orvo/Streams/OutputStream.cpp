#include "orvo/Streams/OutputStream.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/OperationFailedException.h"

namespace Orvo {

OutputStream::~OutputStream() = default;

unsigned OutputStream::try_write(unsigned a_bytes, const void* a_buffer) {
    ORVO_ASSERT(a_buffer || !a_bytes);
    if (!a_bytes)
        return 0;
    return do_write(a_bytes, a_buffer);
}

void OutputStream::write_all(unsigned a_bytes, const void* a_buffer) {
    if (try_write(a_bytes, a_buffer) != a_bytes)
        throw OperationFailedException();
}

void OutputStream::flush() {}

} // namespace Orvo
