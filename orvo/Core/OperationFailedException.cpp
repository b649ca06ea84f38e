#include "orvo/Core/OperationFailedException.h"

namespace Orvo {

OperationFailedException::OperationFailedException() : Exception(u"Operation failed.") {}

OperationFailedException::OperationFailedException(WString a_message)
    : Exception(std::move(a_message)) {}

std::unique_ptr<Exception> OperationFailedException::clone() const {
    return std::make_unique<OperationFailedException>(*this);
}

} // namespace Orvo
