#pragma once

#include "orvo/Core/Vector.h"
#include "tonekit/Parameters/ParameterNode.h"

#include <cstdint>

namespace Tonekit {

class Parameter;
class ParameterOwner;

// A named group of the parameter tree. It owns its subgroups and parameters; children keeps both
// kinds in insertion order, which fixes the collection order.
class ParameterGroup : public ParameterNode {
public:
    ParameterGroup() : ParameterNode(kind_group) {}
    ParameterGroup(const ParameterGroup&) = delete;
    ParameterGroup& operator=(const ParameterGroup&) = delete;
    ~ParameterGroup() override;

    ParameterGroup* m_parent = nullptr;
    ParameterOwner* m_owner = nullptr;
    Orvo::Vector<ParameterNode*> m_children;
    Orvo::Vector<ParameterGroup*> m_subgroups;
    std::uint32_t m_id = 0;
    Orvo::Vector<Parameter*> m_parameters;
};

} // namespace Tonekit
