#pragma once

#include "orvo/Core/Exception.h"

namespace Orvo {

// A Bini tree that is malformed, or that lacks what its reader needs.
class BiniException : public Exception {
public:
    explicit BiniException(WString a_message);
    std::unique_ptr<Exception> clone() const override;
};

} // namespace Orvo
