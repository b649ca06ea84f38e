#pragma once

#include "orvo/Binis/BiniException.h"

#include <cstdint>

namespace Orvo {

class BiniNode;

// "Node \"<path>\":\nNo subnode with id \"<id>\"."
class BiniException_ChildNotFound : public BiniException {
public:
    BiniException_ChildNotFound(const BiniNode& a_node, std::uint32_t a_id);
    std::unique_ptr<Exception> clone() const override;
};

} // namespace Orvo
