#pragma once

#include "orvo/Core/Exception.h"

namespace Orvo {

// A failed stream, file, folder or conversion operation. The default text is "Operation failed.";
// a more specific one is the system's description of the error or the failing step's own text.
class OperationFailedException : public Exception {
public:
    OperationFailedException();
    explicit OperationFailedException(WString a_message);
    std::unique_ptr<Exception> clone() const override;
};

} // namespace Orvo
