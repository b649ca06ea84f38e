#pragma once
// Base of every parameter. A parameter keeps its value as a normalized value (0..1, what the host
// sees), a typed value (what users read and presets store) and, for float parameters, an internal
// value for the signal path. Editors and the host write values on the user-interface thread under
// the device's parameter lock; the audio thread only sees what commit() copies into the
// processing side, during the device's pending-change pass.
//
// Three roads lead to a value change:
// - an editor: set_normalized_value or a kind's typed setter. The host hears of it (begin edit,
//   automate when automatable, end edit) and the value is committed at once or queued (reason 1);
// - the host: set_normalized_value_from_host. Always queued (reason 2), the host is not told back;
// - loading: load(), then commit_now() by whoever loads (no smoothing).

#include "orvo/Core/FourCc.h"
#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"
#include "tonekit/Parameters/ParameterChangeLink.h"
#include "tonekit/Parameters/ParameterNode.h"
#include "tonekit/Parameters/ParameterVariation.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class CommittableCallback;
class Device;
class Host;
class LoadReport;
class Modulatee;
class ParameterCollection;
class ParameterEditorLink;
class ParameterGroup;
class ParameterOwner;
class ParameterSmoother;

class Parameter : public ParameterNode {
public:
    using ConversionFunction = void (*)(Parameter* a_parameter);

    // Children of a parameter's node in presets, chunks and the settings file.
    static constexpr std::uint32_t child_value = Orvo::four_cc("Valu");
    static constexpr std::uint32_t child_normalized = Orvo::four_cc("Norm");
    static constexpr std::uint32_t child_variation = Orvo::four_cc("Vari");

    Parameter();
    Parameter(const Parameter&) = delete;
    Parameter& operator=(const Parameter&) = delete;
    ~Parameter() override;

    // Must be called before deletion: releases what the parameter shares with others.
    void destroy();

    virtual void do_initialize() {}
    // [audio-thread during the commit pass, or the owner's thread when committing at once]
    // Must not allocate, lock or throw.
    virtual void commit() {}
    // Reads the typed value from a "Valu" node of untrusted data. False when the data names
    // nothing this parameter knows; a wrong value type throws BiniException_InvalidValueType.
    virtual bool do_load(Orvo::BiniNode& a_node);
    virtual void reset() {}
    virtual void do_save(Orvo::BiniNode& a_node);
    virtual void apply_variation() {}
    virtual bool from_string(const Orvo::WString& a_text);
    // a_other is a parameter of the same kind (copying between collections matches by id).
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

    // Display name and tree node name together.
    void set_display_name(const Orvo::WString& a_name);

    // [ui-thread] The editors' value setter. a_value is clamped to 0..1 (NaN gives 0).
    void set_normalized_value(float a_value);
    // [ui-thread] The normalized value from the host: stored and converted under the device's
    // parameter lock, then queued for the audio thread with the host reason. The host is not
    // notified back.
    void set_normalized_value_from_host(float a_value);
    // [holder of the device's parameter lock, any thread] Stores and converts a host value; no
    // queueing, no notification. Conversions neither allocate nor lock, so the audio thread may
    // call this for a host value that had to wait.
    void store_normalized_value(float a_value) noexcept {
        m_normalized_value = clamp_normalized(a_value);
        m_denormalize(this);
    }
    float get_normalized_value() const noexcept { return m_normalized_value; }
    void denormalize() { m_denormalize(this); }
    void normalize() { m_normalize(this); }
    // False until the kind binds its conversion from the normalized value.
    bool has_denormalize() const noexcept { return m_denormalize != p_no_conversion; }

    // [ui-thread] An editor's gesture (a drag, say): the host sees one begin and one end around
    // all the values set meanwhile. Unbalanced ends are ignored.
    void begin_edit();
    void end_edit();
    unsigned get_edit_depth() const noexcept { return m_edit_depth; }

    // [ui-thread or audio-thread with the processing lock held] Applies the value to the
    // processing side now and stops any smoothing in progress, so the signal path jumps to it.
    // The committable callback is the caller's business (it may serve many parameters).
    void commit_now();
    // [ui-thread] Replaces the smoother after the definition or the smoothing settings changed.
    void rebuild_smoother();

    // Takes ownership. The identifier must be non-zero and unique within the parameter.
    void append_variation(ParameterVariation* a_variation, bool a_default);
    ParameterVariation* find_variation(std::uint32_t a_id) const;
    const Orvo::Vector<std::unique_ptr<ParameterVariation>>& get_variations() const noexcept {
        return m_variations;
    }
    ParameterVariation* get_current_variation() const noexcept { return m_current_variation; }
    ParameterVariation* get_default_variation() const noexcept { return m_default_variation; }
    // [ui-thread] The variation menu: under the device's structural locks, switches to a_variation
    // keeping the normalized value, so the typed value takes the same relative place.
    void change_variation(ParameterVariation* a_variation);

    void attach_editor(ParameterEditorLink* a_editor);
    // Detaching the last editor in the middle of a gesture ends the gesture towards the host.
    void detach_editor(ParameterEditorLink* a_editor);
    std::size_t get_editor_count() const noexcept { return m_editors.size(); }
    const Orvo::Vector<ParameterEditorLink*>& get_editors() const noexcept { return m_editors; }

    // "Name: value text".
    void get_description_text(Orvo::WString& a_text);

    // The parameter's own node: "Valu", "Norm" (automatable parameters) and "Vari".
    void save(Orvo::BiniNode& a_node);
    // Untrusted data. Problems go to a_report; a failed load resets the parameter and returns
    // false. Nothing is committed.
    bool load(Orvo::BiniNode& a_node, LoadReport& a_report);

    // 0..1; NaN gives 0, so that no index or interval computed from it runs wild.
    static float clamp_normalized(float a_value) noexcept {
        if (!(a_value >= 0.0f))
            return 0.0f;
        return a_value > 1.0f ? 1.0f : a_value;
    }

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
    // Shown where the display name does not fit; empty when it is the display name.
    Orvo::WString m_short_name;
    std::unique_ptr<ParameterSmoother> m_smoother;
    int m_gui_queue_positions[2] = {-1, -1};
    int m_device_index = -1;
    bool m_destroy_called = false;

protected:
    // Until a kind binds its own conversions there is nothing to convert.
    static void p_no_conversion(Parameter*) {}

    // The editor road for typed setters: a_store writes the typed value and the normalized value;
    // it runs under the parameter lock, inside an edit gesture, and the change is then published
    // like set_normalized_value's.
    template <class Store>
    void p_change_from_editor(Store&& a_store) {
        p_require_device();
        EditGesture gesture(*this);
        {
            std::lock_guard lock(p_parameter_lock());
            a_store();
        }
        p_publish_editor_change();
    }

    void p_tell_editors_modulation_changed();

private:
    friend class ParameterCollection;

    class EditGesture {
    public:
        explicit EditGesture(Parameter& a_parameter) : m_parameter(a_parameter) {
            m_parameter.begin_edit();
        }
        ~EditGesture() { m_parameter.end_edit(); }
        EditGesture(const EditGesture&) = delete;
        EditGesture& operator=(const EditGesture&) = delete;

    private:
        Parameter& m_parameter;
    };

    void p_require_device() const;
    std::recursive_mutex& p_parameter_lock() const;
    // Automation, commit or queueing, GUI refresh: what follows an editor's store.
    void p_publish_editor_change();
    void p_commit_with_callback();
    void p_use_default_variation();
    void p_use_variation(ParameterVariation* a_variation);

    ParameterVariation* m_current_variation = nullptr;
    ParameterVariation* m_default_variation = nullptr;
    Orvo::Vector<std::unique_ptr<ParameterVariation>> m_variations;
    Orvo::Vector<ParameterEditorLink*> m_editors;
    CommittableCallback* m_committable_callback = nullptr;
    Device* m_device = nullptr;
    ParameterOwner* m_owner = nullptr;
};

} // namespace Tonekit
