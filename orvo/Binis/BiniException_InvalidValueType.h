#pragma once

#include "orvo/Binis/BiniException.h"
#include "orvo/Binis/BiniValueType.h"

namespace Orvo {

class BiniNode;

// "Node \"<path>\":\nExpected type <name>.", with the name from bini_value_type_name.
class BiniException_InvalidValueType : public BiniException {
public:
    BiniException_InvalidValueType(const BiniNode& a_node, BiniValueType a_expected);
    std::unique_ptr<Exception> clone() const override;
};

} // namespace Orvo
