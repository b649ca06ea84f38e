#include "orvo/Binis/BiniException_ChildNotFound.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/MessageFormat.h"

namespace Orvo {

BiniException_ChildNotFound::BiniException_ChildNotFound(const BiniNode& a_node, std::uint32_t a_id)
    : BiniException(format_message(u"Node \"@1\":\nNo subnode with id \"@2\".",
                                   {a_node.get_path_text(), BiniNode::get_id_text(a_id)})) {}

std::unique_ptr<Exception> BiniException_ChildNotFound::clone() const {
    return std::make_unique<BiniException_ChildNotFound>(*this);
}

} // namespace Orvo
