#pragma once
// Base of every parameter. A parameter keeps its value as a normalized value (0..1, what the host
// sees), a typed value (what users read and presets store) and, for float parameters, an internal
// value for the signal path. Editors and the host write values on the user-interface thread under
// the device's parameter lock; the audio thread only sees what commit() copies into the
// processing side, during the device's pending-change pass.

#include "orvo/Core/String.h"
#include "tonekit/Parameters/ParameterChangeLink.h"
#include "tonekit/Parameters/ParameterNode.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class CommittableCallback;
class Device;
class Host;
class Modulatee;
class ParameterGroup;
class ParameterOwner;
class ParameterSmoother;

class Parameter : public ParameterNode {
public:
    using ConversionFunction = void (*)(Parameter* a_parameter);

    Parameter();
    Parameter(const Parameter&) = delete;
    Parameter& operator=(const Parameter&) = delete;
    ~Parameter() override;

    // Must be called before deletion: releases what the parameter shares with others.
    void destroy();

    virtual void do_initialize() {}
    // [audio-thread during the commit pass, or the owner's thread when committing at once]
    virtual void commit() {}
    virtual bool do_load(Orvo::BiniNode& a_node);
    virtual void reset() {}
    virtual void do_save(Orvo::BiniNode& a_node);
    virtual void apply_variation() {}
    virtual bool from_string(const Orvo::WString& a_text);
    virtual void copy_value(const Parameter& a_other);
    virtual void update_precision() {}
    virtual void update_sample_rate() {}
    virtual Modulatee* get_modulatee() { return nullptr; }
    virtual Orvo::WString to_string();
    virtual void to_string(Orvo::WString& a_text);
    virtual void get_number_text(Orvo::WString& a_text);
    virtual void get_number_text(std::string& a_text);
    virtual void get_value_text(Orvo::WString& a_text);
    virtual ParameterSmoother* create_smoother() { return nullptr; }
    // The unit shown beside the value (the host's parameter label); empty unless the kind has one.
    virtual void get_unit_text(Orvo::WString& a_text) { a_text.clear(); }

    // Shares a_callback (it takes a reference); null detaches.
    void set_committable_callback(CommittableCallback* a_callback);
    CommittableCallback* get_committable_callback() const noexcept {
        return m_committable_callback;
    }

    // The normalized value from the host: stored and converted under the device's parameter lock,
    // then queued for the audio thread with the host reason. The host is not notified back.
    void set_normalized_value_from_host(float a_value);
    float get_normalized_value() const noexcept { return m_normalized_value; }
    void denormalize() { m_denormalize(this); }
    void normalize() { m_normalize(this); }

    std::uint32_t get_id() const noexcept { return m_id; }
    Device* get_device() const noexcept { return m_device; }
    void set_device(Device* a_device) noexcept { m_device = a_device; }
    ParameterOwner* get_owner() const noexcept { return m_owner; }
    void set_owner(ParameterOwner* a_owner) noexcept { m_owner = a_owner; }

    ParameterGroup* m_parent_group = nullptr;
    ConversionFunction m_denormalize;
    ConversionFunction m_normalize;
    ParameterChangeLink m_change_links[2];
    unsigned m_minimum_plugin_internal_version = 1;
    float m_normalized_value = 0.0f;
    bool m_offered_for_slot_assignment = false;
    unsigned m_edit_depth = 0;
    Host* m_host_notifier = nullptr;
    std::uint32_t m_id = 0;
    int m_host_index = -1;
    Orvo::WString m_display_name;
    bool m_automatable = false;
    int m_host_sort_key = 0;
    bool m_persistent = true;
    bool m_deferred_commit = true;
    bool m_host_visible = true;
    Orvo::WString m_host_name;
    std::unique_ptr<ParameterSmoother> m_smoother;
    int m_gui_queue_positions[2] = {-1, -1};
    int m_device_index = -1;
    bool m_destroy_called = false;

private:
    CommittableCallback* m_committable_callback = nullptr;
    Device* m_device = nullptr;
    ParameterOwner* m_owner = nullptr;
};

} // namespace Tonekit
