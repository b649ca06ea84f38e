#pragma once
// A tree of parameters flattened into collection order (depth first, insertion order) and indexed
// by id. Ids are unique within one collection; the program and the settings are separate
// collections and may reuse ids.

#include "orvo/Containers/Map.h"
#include "orvo/Core/Vector.h"
#include "tonekit/Parameters/ParameterGroup.h"
#include "tonekit/Parameters/ParameterOwner.h"

#include <cstdint>

namespace Tonekit {

class Device;
class Parameter;

class ParameterCollection : public ParameterOwner {
public:
    ParameterCollection();

    // Collects the tree, then gives every parameter its device and its first value.
    void initialize(Device* a_device);
    Parameter* find(std::uint32_t a_id) const;
    // Applies every parameter's value to the processing side at once (no callbacks).
    void commit_all();
    void reset_all();

    ParameterGroup& get_root() noexcept { return m_root; }
    const Orvo::Vector<Parameter*>& get_parameters() const noexcept { return m_parameters; }
    Device* get_device() const noexcept { return m_device; }

private:
    void p_collect(ParameterGroup* a_group);

    Device* m_device = nullptr;
    Orvo::Map<std::uint32_t, Parameter*> m_parameter_map;
    Orvo::Vector<Parameter*> m_parameters;
    ParameterGroup m_root;
};

} // namespace Tonekit
