#include "orvo/Binis/BiniException.h"

namespace Orvo {

BiniException::BiniException(WString a_message) : Exception(std::move(a_message)) {}

std::unique_ptr<Exception> BiniException::clone() const {
    return std::make_unique<BiniException>(*this);
}

} // namespace Orvo
