#include "orvo/Binis/BiniException_InvalidValueType.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/MessageFormat.h"

namespace Orvo {

BiniException_InvalidValueType::BiniException_InvalidValueType(const BiniNode& a_node,
                                                               BiniValueType a_expected)
    : BiniException(format_message(u"Node \"@1\":\nExpected type @2.",
                                   {a_node.get_path_text(), bini_value_type_name(a_expected)})) {}

std::unique_ptr<Exception> BiniException_InvalidValueType::clone() const {
    return std::make_unique<BiniException_InvalidValueType>(*this);
}

} // namespace Orvo
