#pragma once

#include "orvo/Core/Vector.h"
#include "tonekit/Devices/MusicalTriggerNode.h"

#include <memory>

namespace Tonekit {

// A heading of the trigger catalogue; owns its child nodes, kept in the order they were added.
class MusicalTriggerGroup : public MusicalTriggerNode {
public:
    explicit MusicalTriggerGroup(Orvo::WString a_name)
        : MusicalTriggerNode(Kind_GROUP, std::move(a_name)) {}

    // Takes ownership and returns the node, so catalogues read as a nested list of calls.
    template <class T>
    T* add(std::unique_ptr<T> a_node) {
        T* node = a_node.get();
        node->m_parent = this;
        m_children.push_back(std::move(a_node));
        return node;
    }

    const Orvo::Vector<std::unique_ptr<MusicalTriggerNode>>& get_children() const noexcept {
        return m_children;
    }

private:
    Orvo::Vector<std::unique_ptr<MusicalTriggerNode>> m_children;
};

} // namespace Tonekit
