#pragma once

#include "orvo/Core/String.h"

namespace Tonekit {

// A node of the parameter tree: a group or a parameter.
class ParameterNode {
public:
    static constexpr unsigned kind_group = 0;
    static constexpr unsigned kind_parameter = 1;

    explicit ParameterNode(unsigned a_kind) : m_kind(a_kind) {}
    virtual ~ParameterNode() = default;

    unsigned m_kind;
    Orvo::WString m_name;
};

} // namespace Tonekit
