// The preset manager's serialization: saving and loading the state tree, and the clean state a
// failed load falls back to.

#include "tonekit/Devices/PresetManager.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/OutputStream.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Modulation/ModulationManager.h"

#include <new>
#include <utility>

namespace Tonekit {

namespace {

// The modulation side rebuilds its routing once, after the whole load, however it ends.
class ModulationUpdateSuspension {
public:
    explicit ModulationUpdateSuspension(ModulationManager& a_manager) : m_manager(&a_manager) {
        m_manager->suspend_updates();
    }
    ~ModulationUpdateSuspension() { release(); }
    ModulationUpdateSuspension(const ModulationUpdateSuspension&) = delete;
    ModulationUpdateSuspension& operator=(const ModulationUpdateSuspension&) = delete;

    void release() {
        if (ModulationManager* manager = std::exchange(m_manager, nullptr))
            manager->resume_updates();
    }

private:
    ModulationManager* m_manager;
};

std::uint32_t p_read_uint32(const Orvo::BiniNode& a_parent, std::uint32_t a_id) {
    const Orvo::BiniNode* node = a_parent.get_child(a_id);
    node->require_value_type(Orvo::BiniValueType_UINT32);
    return node->get_value_uint32();
}

ParameterCollection& p_instance_settings(Device& a_device) {
    return a_device.get_instance_settings()->get_collection();
}

} // namespace

std::unique_ptr<Orvo::Exception> PresetManager::p_current_exception() {
    try {
        throw;
    } catch (const Orvo::Exception& failure) {
        return failure.clone();
    } catch (const std::bad_alloc&) {
        return std::make_unique<Orvo::Exception>(u"Out of memory.");
    } catch (const std::exception& failure) {
        return std::make_unique<Orvo::Exception>(Orvo::utf8_to_utf16_lossy(failure.what()));
    } catch (...) {
        return std::make_unique<Orvo::Exception>(u"Unknown failure.");
    }
}

void PresetManager::p_throw_wrapped(const char16_t* a_message,
                                    std::unique_ptr<Orvo::Exception> a_cause) {
    Orvo::Exception failure(a_message);
    failure.set_inner(std::move(a_cause));
    throw failure;
}

void PresetManager::p_emit_information_changed() {
    PresetManagerEvents::OnPresetInformationChanged event;
    OnPresetInformationChanged.emit(event);
}

void PresetManager::p_emit_loaded() {
    PresetManagerEvents::OnPresetLoaded event;
    OnPresetLoaded.emit(event);
}

void PresetManager::save(Orvo::OutputStream& a_output, unsigned a_sections) {
    try {
        p_write(a_output, a_sections);
    } catch (...) {
        p_throw_wrapped(save_error, p_current_exception());
    }
}

void PresetManager::p_write(Orvo::OutputStream& a_output, unsigned a_sections) {
    Orvo::BiniNode root;
    {
        // Not the processing lock: hosts save for undo and autosave while the song plays, and
        // the values and the modulation do not change while their locks are held.
        auto locks = m_device->lock_values();
        p_build_tree(root, a_sections);
    }
    // The tree is a copy of the state: nobody need wait for the stream.
    root.save(a_output, m_preamble);
    a_output.flush();
}

void PresetManager::p_build_tree(Orvo::BiniNode& a_root, unsigned a_sections) {
    a_root.add_child(child_format_version)->set_value_uint32(format_version);
    a_root.add_child(child_device_version)
        ->set_value_uint32(std::uint32_t(m_device->get_static_config().m_plugin_internal_version));
    if (a_sections & Section_PROGRAM) {
        Orvo::BiniNode* program = a_root.add_child(child_program);
        m_device->get_program()->get_collection().save(*program->add_child(child_parameters));
        m_device->save_program_data(*program->add_child(child_custom_data));
    }
    if (a_sections & Section_MODULATION)
        m_device->get_modulation_manager()->save(*a_root.add_child(child_modulation));
    if (a_sections & Section_STATE) {
        Orvo::BiniNode* state = a_root.add_child(child_state);
        state->add_child(child_preset_path)->set_value_string(m_current_path);
        p_instance_settings(*m_device).save(*state->add_child(child_instance_settings));
        m_device->save_state_data(*state->add_child(child_custom_data));
    }
}

void PresetManager::load(Orvo::InputStream& a_input, unsigned a_sections) {
    // Everything is read before anything changes: a short or damaged stream fails here.
    Orvo::BiniNode root;
    try {
        root.load(a_input, m_preamble);
    } catch (...) {
        p_fail_load(p_current_exception());
    }

    auto locks = m_device->lock_structure();
    // A failure after the state section was applied must not leave the chunk's settings or
    // preset association behind.
    const bool with_state = (a_sections & Section_STATE) != 0;
    Orvo::BiniNode settings_before;
    bool settings_saved = false;
    PresetRecord* const record_before = m_current_preset;
    const Orvo::WString name_before = m_current_name;
    const Orvo::WString path_before = m_current_path;
    try {
        if (with_state) {
            p_instance_settings(*m_device).save(settings_before);
            settings_saved = true;
        }
        p_apply_tree(root, a_sections);
    } catch (...) {
        std::unique_ptr<Orvo::Exception> cause = p_current_exception();
        try {
            if (settings_saved) {
                LoadReport ignored;
                p_instance_settings(*m_device).load(
                    settings_before,
                    unsigned(m_device->get_static_config().m_plugin_internal_version), ignored);
            }
            if (with_state && (m_current_preset != record_before || m_current_name != name_before ||
                               m_current_path != path_before)) {
                m_current_preset = record_before;
                m_current_name = name_before;
                m_current_path = path_before;
                p_emit_information_changed();
            }
        } catch (...) {
            // The clean state below is what matters most.
        }
        p_fail_load(std::move(cause));
    }
}

void PresetManager::p_apply_tree(Orvo::BiniNode& a_root, unsigned a_sections) {
    LoadReport report;
    p_read_uint32(a_root, child_format_version);
    const unsigned version = p_read_uint32(a_root, child_device_version);
    ModulationManager& modulation = *m_device->get_modulation_manager();
    ModulationUpdateSuspension suspension(modulation);

    if (a_sections & Section_PROGRAM) {
        Orvo::BiniNode* program = a_root.get_child(child_program);
        Orvo::BiniNode* parameters = program->get_child(child_parameters);
        Orvo::BiniNode* custom_data = program->get_child(child_custom_data);
        m_device->get_triggers()->remove_user_triggers();
        m_device->get_program()->get_collection().load(*parameters, version, report);
        // Loaded values take effect at once, without smoothing.
        m_device->commit_all_parameters();
        m_device->load_program_data(*custom_data);
    }
    if (a_sections & Section_MODULATION) {
        Orvo::BiniNode* node = a_root.get_child(child_modulation);
        modulation.clear();
        modulation.load(*node);
    }
    if (a_sections & Section_STATE) {
        Orvo::BiniNode* state = a_root.get_child(child_state);
        Orvo::BiniNode* path = state->get_child(child_preset_path);
        path->require_value_type(Orvo::BiniValueType_STRING);
        Orvo::BiniNode* settings = state->get_child(child_instance_settings);
        Orvo::BiniNode* custom_data = state->get_child(child_custom_data);
        // Only the association: the program came from the chunk, not from that file.
        set_current_from_path(path->get_value_string());
        p_instance_settings(*m_device).load(*settings, version, report);
        m_device->commit_all_parameters();
        m_device->load_state_data(*custom_data);
    }
    suspension.release();
    m_load_report = std::move(report);
    m_device->get_gui_refresh_queue().request_full_refresh();
    p_emit_loaded();
}

void PresetManager::p_fail_load(std::unique_ptr<Orvo::Exception> a_cause) {
    try {
        reset_to_clean_state();
    } catch (...) {
        // The load's failure is the one to report; a receiver that fails on the clean state
        // does not replace it.
    }
    p_throw_wrapped(load_error, std::move(a_cause));
}

void PresetManager::reset_to_clean_state() {
    auto locks = m_device->lock_structure();
    m_device->get_modulation_manager()->clear();
    m_device->get_triggers()->remove_user_triggers();
    m_device->get_program()->get_collection().restore_defaults();
    m_device->reset_data();
    m_device->commit_all_parameters();
    m_device->get_gui_refresh_queue().request_full_refresh();
    p_emit_loaded();
}

} // namespace Tonekit
