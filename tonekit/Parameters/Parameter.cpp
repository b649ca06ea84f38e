#include "tonekit/Parameters/Parameter.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/Host.h"
#include "tonekit/Parameters/CommittableCallback.h"
#include "tonekit/Parameters/LoadReport.h"
#include "tonekit/Parameters/ParameterEditorLink.h"
#include "tonekit/Parameters/ParameterSmoother.h"

#include <algorithm>

namespace Tonekit {

Parameter::Parameter()
    : ParameterNode(kind_parameter), m_denormalize(p_no_conversion), m_normalize(p_no_conversion) {
    for (auto& link : m_change_links)
        link.m_parameter = this;
}

Parameter::~Parameter() {
    // Owners call destroy() first; a destructor must not throw, so one that forgot still releases
    // the shared callback instead of leaving it with a dangling reference.
    if (!m_destroy_called)
        destroy();
}

void Parameter::destroy() {
    // Each editor leaves the list before it hears of it, so that it cannot detach twice.
    while (!m_editors.empty()) {
        ParameterEditorLink* editor = m_editors.back();
        m_editors.pop_back();
        editor->on_parameter_destroyed(*this);
    }
    set_committable_callback(nullptr);
    m_smoother.reset();
    m_destroy_called = true;
}

bool Parameter::do_load(Orvo::BiniNode&) {
    Orvo::not_overridden("Parameter::do_load()");
}
void Parameter::do_save(Orvo::BiniNode&) {
    Orvo::not_overridden("Parameter::do_save()");
}
bool Parameter::from_string(const Orvo::WString&) {
    Orvo::not_overridden("Parameter::from_string()");
}
void Parameter::copy_value(const Parameter&) {}

Orvo::WString Parameter::to_string() {
    Orvo::WString text;
    to_string(text);
    return text;
}

void Parameter::to_string(Orvo::WString&) {
    throw Orvo::Exception(u"Parameter::to_string(String&)");
}
void Parameter::get_number_text(Orvo::WString&) {}
void Parameter::get_number_text(std::string&) {}
void Parameter::get_value_text(Orvo::WString& a_text) {
    a_text = u"No information.";
}

void Parameter::set_committable_callback(CommittableCallback* a_callback) {
    if (a_callback)
        a_callback->add_reference();
    if (m_committable_callback)
        m_committable_callback->release();
    m_committable_callback = a_callback;
}

void Parameter::set_display_name(const Orvo::WString& a_name) {
    m_display_name = a_name;
    m_name = a_name;
}

void Parameter::p_require_device() const {
    ORVO_ASSERT(m_device);
}

std::recursive_mutex& Parameter::p_parameter_lock() const {
    return m_device->parameter_lock();
}

// --- value changes -------------------------------------------------------------------------------

void Parameter::begin_edit() {
    if (++m_edit_depth == 1 && m_host_notifier)
        m_host_notifier->begin_edit(m_host_index);
}

void Parameter::end_edit() {
    if (m_edit_depth == 0)
        return;
    if (--m_edit_depth == 0 && m_host_notifier)
        m_host_notifier->end_edit(m_host_index);
}

void Parameter::set_normalized_value(float a_value) {
    p_change_from_editor([&] {
        m_normalized_value = clamp_normalized(a_value);
        m_denormalize(this);
    });
}

void Parameter::set_normalized_value_from_host(float a_value) {
    p_require_device();
    {
        std::lock_guard lock(m_device->parameter_lock());
        store_normalized_value(a_value);
        m_device->queue_change(this, ParameterChangeReason_HOST);
    }
    m_device->queue_gui_refresh(this);
}

void Parameter::p_publish_editor_change() {
    if (m_automatable && m_host_notifier && !m_host_notifier->m_suppress_automation)
        m_host_notifier->automate(m_host_index, m_normalized_value);
    if (m_deferred_commit)
        m_device->queue_change(this, ParameterChangeReason_INTERNAL);
    else
        p_commit_with_callback();
    m_device->queue_gui_refresh(this);
}

void Parameter::p_commit_with_callback() {
    // The audio thread reads the targets during its blocks; holding the processing lock keeps this
    // write out of them (the audio thread outputs silence for a block that meets it).
    std::lock_guard processing(m_device->processing_lock());
    commit_now();
    if (m_committable_callback)
        m_committable_callback->commit();
}

void Parameter::commit_now() {
    commit();
    if (!m_smoother)
        return;
    if (m_smoother->m_enlisted && m_device && m_device->get_smoother_list())
        m_device->get_smoother_list()->list_remove(m_smoother.get());
    m_smoother->jump();
}

void Parameter::rebuild_smoother() {
    if (!m_device)
        return;
    std::lock_guard processing(m_device->processing_lock());
    if (m_smoother) {
        if (m_smoother->m_enlisted) {
            commit();
            if (m_device->get_smoother_list())
                m_device->get_smoother_list()->list_remove(m_smoother.get());
        }
        m_smoother->jump();
        m_smoother.reset();
    }
    if (m_device->get_instance_settings() && m_device->m_smoothing_reason_mask != 0) {
        m_smoother.reset(create_smoother());
        if (m_smoother) {
            m_smoother->jump();
            m_smoother->update_coefficients();
        }
    }
}

// --- variations ----------------------------------------------------------------------------------

void Parameter::append_variation(ParameterVariation* a_variation, bool a_default) {
    // Owned from here on, so that a failed check does not leak it.
    std::unique_ptr<ParameterVariation> owned(a_variation);
    ORVO_ASSERT(a_variation);
    ORVO_ASSERT(a_variation->m_id);
    ORVO_ASSERT(!find_variation(a_variation->m_id));
    m_variations.push_back(std::move(owned));
    if (a_default)
        m_default_variation = a_variation;
}

ParameterVariation* Parameter::find_variation(std::uint32_t a_id) const {
    for (const auto& variation : m_variations)
        if (variation->m_id == a_id)
            return variation.get();
    return nullptr;
}

void Parameter::p_use_default_variation() {
    ORVO_ASSERT(m_variations.size());
    p_use_variation(m_default_variation ? m_default_variation : m_variations.front().get());
}

void Parameter::p_use_variation(ParameterVariation* a_variation) {
    ORVO_ASSERT(a_variation);
    if (a_variation == m_current_variation)
        return;
    m_current_variation = a_variation;
    apply_variation();
    for (ParameterEditorLink* editor : m_editors)
        editor->on_variation_changed(*this);
}

void Parameter::change_variation(ParameterVariation* a_variation) {
    p_require_device();
    // A variation of another parameter would be read as this kind's definition.
    ORVO_ASSERT(a_variation && find_variation(a_variation->m_id) == a_variation);
    auto locks = m_device->lock_structure();
    p_use_variation(a_variation);
    if (!has_denormalize())
        throw Orvo::Exception(u"Cannot denormalize parameter after changing variation.");
    m_denormalize(this);
    if (m_deferred_commit)
        m_device->queue_change(this, ParameterChangeReason_INTERNAL);
    else
        p_commit_with_callback();
    m_device->queue_gui_refresh(this);
}

// --- editors -------------------------------------------------------------------------------------

void Parameter::attach_editor(ParameterEditorLink* a_editor) {
    ORVO_ASSERT(a_editor);
    if (std::find(m_editors.begin(), m_editors.end(), a_editor) == m_editors.end())
        m_editors.push_back(a_editor);
}

void Parameter::detach_editor(ParameterEditorLink* a_editor) {
    const auto i = std::find(m_editors.begin(), m_editors.end(), a_editor);
    if (i == m_editors.end())
        return;
    m_editors.erase(i);
    // An editor closed in the middle of a drag never sends its end; the host must not be left
    // waiting for it.
    if (m_editors.empty() && m_edit_depth != 0) {
        m_edit_depth = 0;
        if (m_host_notifier)
            m_host_notifier->end_edit(m_host_index);
    }
}

void Parameter::p_tell_editors_modulation_changed() {
    for (ParameterEditorLink* editor : m_editors)
        editor->on_modulation_changed(*this);
}

void Parameter::get_description_text(Orvo::WString& a_text) {
    Orvo::WString value;
    get_value_text(value);
    a_text = m_display_name;
    a_text += u": ";
    a_text += value;
}

// --- persistence ---------------------------------------------------------------------------------

void Parameter::save(Orvo::BiniNode& a_node) {
    do_save(*a_node.add_child(child_value));
    if (m_automatable)
        a_node.add_child(child_normalized)->set_value_float(m_normalized_value);
    if (m_current_variation)
        a_node.add_child(child_variation)->set_value_uint32(m_current_variation->m_id);
}

bool Parameter::load(Orvo::BiniNode& a_node, LoadReport& a_report) {
    a_report.set_object(this);
    Orvo::BiniNode* value = a_node.find_child(child_value);
    if (!value) {
        a_report.add(u"No child node with id @1.", Orvo::BiniNode::get_id_text(child_value),
                     &a_node);
        reset();
        return false;
    }
    if (!m_variations.empty()) {
        ParameterVariation* variation = nullptr;
        const Orvo::BiniNode* stored = a_node.find_child(child_variation);
        if (stored && stored->get_value_type() == Orvo::BiniValueType_UINT32 &&
            stored->get_value_uint32() != 0)
            variation = find_variation(stored->get_value_uint32());
        if (variation)
            p_use_variation(variation);
        else
            p_use_default_variation();
    }
    if (!do_load(*value)) {
        reset();
        return false;
    }
    if (m_automatable) {
        if (const Orvo::BiniNode* normalized = a_node.find_child(child_normalized)) {
            if (normalized->get_value_type() != Orvo::BiniValueType_FLOAT) {
                a_report.add(u"Invalid value type.", normalized);
            } else {
                const float stored = normalized->get_value_float();
                if (stored >= 0.0f && stored <= 1.0f)
                    m_normalized_value = stored;
                else
                    a_report.add(u"Invalid value.", normalized);
            }
        }
    }
    return true;
}

} // namespace Tonekit
