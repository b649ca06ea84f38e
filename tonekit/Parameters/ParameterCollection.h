#pragma once
// A tree of parameters flattened into collection order (depth first, insertion order) and indexed
// by id. Ids are unique within one collection; the program and the settings are separate
// collections and may reuse ids.
//
// Stored form (presets, chunks, the settings file): child 1 of the given node holds one child per
// persistent parameter, named by the parameter's id (see Parameter::save).

#include "orvo/Containers/Map.h"
#include "orvo/Core/Vector.h"
#include "tonekit/Parameters/ParameterGroup.h"
#include "tonekit/Parameters/ParameterOwner.h"

#include <cstdint>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class Device;
class LoadReport;
class Parameter;

class ParameterCollection : public ParameterOwner {
public:
    static constexpr std::uint32_t child_parameters = 1;

    ParameterCollection();

    // Collects the tree, then gives every parameter its device, its definition and its first
    // value.
    void initialize(Device* a_device);
    Parameter* find(std::uint32_t a_id) const;
    // Applies every parameter's value to the processing side at once, stopping any smoothing, and
    // then, when asked, each distinct committable callback once. The caller holds the device's
    // processing lock (or the audio thread is not running yet).
    void commit_all(bool a_with_callbacks = false);
    void reset_all();
    // Every parameter back to how initialize left it: its default variation, then its default
    // value. Nothing is committed.
    void restore_defaults();

    void save(Orvo::BiniNode& a_node) const;
    // a_version is the plug-in internal version that wrote the data: parameters newer than it,
    // and parameters the data lacks, take their defaults. True when every persistent parameter
    // was loaded from the data. Nothing is committed (see commit_all).
    bool load(Orvo::BiniNode& a_node, unsigned a_version, LoadReport& a_report);
    // Takes the values of the parameters of a_other with the same ids (and the same kind).
    void copy_from(const ParameterCollection& a_other);

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
