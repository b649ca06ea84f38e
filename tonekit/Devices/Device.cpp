#include "tonekit/Devices/Device.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/DeviceFolders.h"
#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/Host.h"
#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterCollection.h"

#include <algorithm>
#include <cstring>

namespace Tonekit {

Device::Device()
    : m_program(std::make_unique<DeviceProgram>(this)),
      m_modulation(std::make_unique<ModulationManager>(this)),
      m_triggers(std::make_unique<MusicalTriggerManager>(this)) {}

Device::~Device() = default;

void Device::set_modulation_manager(std::unique_ptr<ModulationManager> a_manager) {
    ORVO_ASSERT(a_manager && m_lifecycle_state == 0);
    m_modulation = std::move(a_manager);
}

void Device::p_check_config() const {
    const DeviceStaticConfig& cfg = m_static_config;
    ORVO_ASSERT(cfg.m_plugin_internal_version > 0);
    ORVO_ASSERT(cfg.m_plugin_name.size());
    ORVO_ASSERT(cfg.m_plugin_unique_id != 0);
    ORVO_ASSERT(cfg.m_plugin_vendor.size());
    ORVO_ASSERT(cfg.m_plugin_version_string.size());
    ORVO_ASSERT(cfg.m_application_folder_name.size());
    ORVO_ASSERT(cfg.m_common_internal_data_folder_name.size());
    ORVO_ASSERT(cfg.m_preset_folder_name.size());
    ORVO_ASSERT(cfg.m_preset_preamble_part.size());
    ORVO_ASSERT(!cfg.m_use_vendor_folder || cfg.m_vendor_folder_name.size());
}

void Device::p_derive_folders() {
    DeviceStaticConfig& cfg = m_static_config;
    const auto application_folder = [&](DeviceFolders::System a_system) {
        Orvo::WString folder = DeviceFolders::system_folder(a_system, cfg.m_vendor_folder_name);
        if (cfg.m_use_vendor_folder)
            folder = DeviceFolders::join(folder, cfg.m_vendor_folder_name);
        return DeviceFolders::join(folder, cfg.m_application_folder_name);
    };
    if (cfg.m_common_data_folder.empty())
        cfg.m_common_data_folder = application_folder(DeviceFolders::System_COMMON);
    if (cfg.m_user_data_folder.empty())
        cfg.m_user_data_folder = application_folder(DeviceFolders::System_USER);
    if (cfg.m_common_internal_data_folder.empty())
        cfg.m_common_internal_data_folder =
            DeviceFolders::join(cfg.m_common_data_folder, cfg.m_common_internal_data_folder_name);
    if (cfg.m_preset_folder.empty())
        cfg.m_preset_folder = DeviceFolders::join(cfg.m_user_data_folder, cfg.m_preset_folder_name);
}

void Device::p_create_folders() {
    // A fresh account has no vendor folder yet: create missing parents too.
    DeviceFolders::ensure_folder(m_static_config.m_user_data_folder);
    DeviceFolders::ensure_folder(m_static_config.m_preset_folder);
}

void Device::initialize() {
    p_check_config();
    p_derive_folders();
    p_create_folders();
    m_settings_path = DeviceFolders::join(m_static_config.m_user_data_folder, u"Settings.data");
    m_changes = std::make_unique<ParameterChangeQueue>();
    m_midi_ring.clear();
    m_partial_block_pending = false;
    m_partial_block_missing = 0;
    m_smoothers = std::make_unique<ParameterSmoother_ListHead>();
    m_commits = std::make_unique<CommittableCallback_ListHead>();
    m_smoothing_step = 1000.0f / (m_sample_rate * 50.0f);
    m_smoothing_reason_mask = ParameterSmoothingReason_ALL;
    m_parameter_exponential_precision = ExponentialPrecision_EXACT;

    p_create_settings();

    build();
    m_triggers->initialize();
    m_program->p_initialize(unsigned(m_static_config.m_plugin_internal_version));
    {
        std::lock_guard lock(m_processing_lock);
        commit_all_parameters();
    }
    m_modulation->fill_kernel_tables();
    m_preset_manager = std::make_unique<PresetManager>(this);
    m_preset_manager->initialize();
    m_lifecycle_state = 2;
}

Device::Lock& Device::modulation_lock() noexcept {
    return m_modulation->modulation_lock();
}

DeviceGlobalSettings* Device::create_global_settings() {
    return new DeviceGlobalSettings;
}
DeviceInstanceSettings* Device::create_instance_settings() {
    return new DeviceInstanceSettings(this);
}

void Device::p_create_settings() {
    m_global_settings.reset(create_global_settings());
    m_global_settings->get_collection().initialize(this);
    m_global_settings->load(m_settings_path);

    m_instance_settings.reset(create_instance_settings());
    ParameterCollection& instance = m_instance_settings->get_collection();
    instance.initialize(this);
    instance.copy_from(m_global_settings->get_collection());

    DeviceSettingsParameters& parameters = m_instance_settings->get_parameters();
    parameters.m_modulation_precision->set_committable_callback(
        new CommittableMethodCallback<Device>(this, &Device::p_on_modulation_precision_changed));
    parameters.m_parameter_precision->set_committable_callback(
        new CommittableMethodCallback<Device>(this, &Device::p_on_parameter_precision_changed));
    // One callback for both, so that committing everything rebuilds the smoothers once.
    auto* smoothing = new CommittableMethodCallback<Device>(this, &Device::p_on_smoothing_changed);
    parameters.m_smoothing->set_committable_callback(smoothing);
    parameters.m_smoothness->set_committable_callback(smoothing);

    // Copied values are loaded values: they act at once, unsmoothed.
    std::lock_guard processing(m_processing_lock);
    instance.commit_all(true);
}

void Device::p_on_modulation_precision_changed() {
    auto locks = lock_structure();
    m_modulation->update_exponential_precision();
}

void Device::p_on_parameter_precision_changed() {
    auto locks = lock_structure();
    for (Parameter* parameter : m_all_parameters) {
        parameter->update_precision();
        // Geometric coefficients follow the forward conversion the precision selects.
        if (parameter->m_smoother)
            parameter->m_smoother->update_coefficients();
    }
}

void Device::p_on_smoothing_changed() {
    auto locks = lock_structure();
    for (Parameter* parameter : m_all_parameters)
        parameter->rebuild_smoother();
}

void Device::set_critical_error(const Orvo::WString& a_message) {
    m_critical_error = true;
    m_critical_error_message = a_message;
}

void Device::register_parameter(Parameter* a_parameter) {
    a_parameter->m_device_index = int(m_all_parameters.size());
    m_all_parameters.push_back(a_parameter);
    a_parameter->m_gui_queue_positions[0] = a_parameter->m_gui_queue_positions[1] = -1;
    m_gui_refresh.reserve_one_more();
}

void Device::register_sample_rate_dependent(Parameter* a_parameter) {
    if (std::find(m_sample_rate_dependent.begin(), m_sample_rate_dependent.end(), a_parameter) ==
        m_sample_rate_dependent.end())
        m_sample_rate_dependent.push_back(a_parameter);
}

void Device::unregister_parameter(Parameter* a_parameter) {
    const auto position = std::find(m_all_parameters.begin(), m_all_parameters.end(), a_parameter);
    if (position != m_all_parameters.end()) {
        for (auto later = m_all_parameters.erase(position); later != m_all_parameters.end();
             ++later)
            --(*later)->m_device_index;
    }
    a_parameter->m_device_index = -1;
    m_sample_rate_dependent.erase(
        std::remove(m_sample_rate_dependent.begin(), m_sample_rate_dependent.end(), a_parameter),
        m_sample_rate_dependent.end());
    if (m_changes)
        m_changes->remove(a_parameter);
    m_gui_refresh.remove(a_parameter);
    if (a_parameter->m_smoother && a_parameter->m_smoother->m_enlisted && m_smoothers)
        m_smoothers->list_remove(a_parameter->m_smoother.get());
}

void Device::queue_change(Parameter* a_parameter, unsigned a_reason) {
    if (m_changes)
        m_changes->queue_change(a_parameter, a_reason);
}

bool Device::try_queue_change(Parameter* a_parameter, unsigned a_reason) noexcept {
    return m_changes && m_changes->try_queue_change(a_parameter, a_reason);
}

void Device::add_listener(DeviceListener* a_listener) {
    auto locks = lock_structure();
    m_listeners[a_listener->m_list].push_back(a_listener);
}

void Device::remove_listener(DeviceListener* a_listener) {
    auto locks = lock_structure();
    auto& list = m_listeners[a_listener->m_list];
    list.erase(std::remove(list.begin(), list.end(), a_listener), list.end());
}

void Device::p_notify(DeviceListener::List a_list) {
    for (DeviceListener* listener : m_listeners[a_list])
        listener->on_device_changed(*this);
}

void Device::commit_all_parameters() {
    // A smoother still on its way would overwrite the value committed here.
    p_flush_smoothers();
    if (m_changes)
        m_changes->drain_all([](ParameterChangeLink&) {});
    CommittableCallback_ListHead callbacks;
    for (Parameter* parameter : m_all_parameters) {
        // Idle smoothers jump too: the next glide must start from the value committed here.
        parameter->commit_now();
        callbacks.append(parameter->get_committable_callback());
    }
    callbacks.commit_all();
}

void Device::p_commit_pass() noexcept {
    // The values were written under the parameter lock; reading them without it would race with
    // the next write. A writer in the middle of a change postpones the pass by one block.
    std::unique_lock values(m_parameter_lock, std::try_to_lock);
    if (!values.owns_lock())
        return;
    if (m_changes->try_flip())
        m_changes->drain_previous([this](ParameterChangeLink& a_link) {
            p_apply_change(a_link.m_parameter, a_link.m_reason);
        });
    // Host values that found the parameter lock busy when they came; after the queued changes,
    // since they arrived later than anything queued before the flip.
    m_program->take_host_values([this](Parameter* a_parameter, float a_value) {
        a_parameter->store_normalized_value(a_value);
        p_apply_change(a_parameter, ParameterChangeReason_HOST);
    });
    m_commits->commit_all();
}

void Device::p_apply_change(Parameter* a_parameter, unsigned a_reason) noexcept {
    ParameterSmoother* smoother = a_parameter->m_smoother.get();
    if ((a_reason & m_smoothing_reason_mask) && smoother) {
        // Read now, while the writers are kept out; an active glide turns to the new target.
        smoother->take_target();
        m_smoothers->enlist(smoother);
        return;
    }
    a_parameter->commit();
    if (smoother) {
        // A glide still on its way would overwrite the value applied here, and an idle
        // smoother must start the next glide from it.
        if (smoother->m_enlisted)
            m_smoothers->list_remove(smoother);
        smoother->jump();
    }
    m_commits->append(a_parameter->get_committable_callback());
}

void Device::process(const ProcessRequest& a_request) noexcept {
    std::unique_lock processing(m_processing_lock, std::try_to_lock);
    const int output_count = std::max(m_output_count, 1);
    if (!processing.owns_lock() || m_lifecycle_state != 2) {
        if (a_request.m_outputs)
            for (int channel = 0; channel < output_count; ++channel)
                if (a_request.m_outputs[channel])
                    std::memset(a_request.m_outputs[channel], 0,
                                sizeof(float) * a_request.m_frames);
        return;
    }
    try {
        if (a_request.m_tempo_valid && a_request.m_tempo != m_tempo) {
            m_tempo = a_request.m_tempo;
            p_notify(DeviceListener::List_TEMPO);
        }
        p_commit_pass();
        if (m_reset_happened) {
            m_reset_happened = false;
            m_modulation->request_restart();
            on_first_block_after_reset();
        }
        m_modulation->honour_restart_request();
        // After the restart: a modulator locked to the song takes its place from the position
        // rather than starting the block at the beginning of its cycle.
        double position = 0.0;
        if (!m_listeners[DeviceListener::List_SONG_POSITION].empty() && m_host &&
            m_host->get_song_position(position)) {
            m_song_position = position;
            p_notify(DeviceListener::List_SONG_POSITION);
        }
        // Before the notes: a host block's queue of fired triggers starts here.
        m_triggers->begin_host_block(a_request.m_time, a_request.m_frames);
        m_midi_ring.drain([this](std::uint32_t a_word) { handle_midi(a_word); });

        InputPair inputs;
        if (a_request.m_inputs) {
            inputs.m_left = a_request.m_inputs[0];
            inputs.m_right = m_input_count == 2 ? a_request.m_inputs[1] : a_request.m_inputs[0];
        }
        OutputPair outputs;
        if (a_request.m_outputs) {
            outputs.m_left = a_request.m_outputs[0];
            outputs.m_right = m_output_count == 2 ? a_request.m_outputs[1] : a_request.m_outputs[0];
        }
        p_walk_control_blocks(inputs, outputs, a_request.m_frames);
        m_triggers->end_host_block();
    } catch (...) {
        // Nothing may escape into the host's audio thread; the block is lost, the device goes on.
    }
}

namespace {
void p_advance(InputPair& a_inputs, OutputPair& a_outputs, unsigned a_frames) {
    if (a_inputs.m_left)
        a_inputs.m_left += a_frames;
    if (a_inputs.m_right)
        a_inputs.m_right += a_frames;
    if (a_outputs.m_left)
        a_outputs.m_left += a_frames;
    if (a_outputs.m_right)
        a_outputs.m_right += a_frames;
}
} // namespace

void Device::p_walk_control_blocks(InputPair a_inputs, OutputPair a_outputs, unsigned a_frames) {
    // A pair that names one buffer for both sides must move once, not twice.
    const bool same_input = a_inputs.m_left == a_inputs.m_right;
    const bool same_output = a_outputs.m_left == a_outputs.m_right;
    const auto advance = [&](unsigned a_count) {
        p_advance(a_inputs, a_outputs, a_count);
        if (same_input)
            a_inputs.m_right = a_inputs.m_left;
        if (same_output)
            a_outputs.m_right = a_outputs.m_left;
    };
    unsigned frames = a_frames;
    if (m_partial_block_pending) {
        const unsigned missing = m_partial_block_missing;
        if (frames < missing) {
            m_smoothers->process_all(frames);
            continue_partial_block(a_inputs, a_outputs, frames);
            advance(frames);
            m_partial_block_missing -= frames;
            return;
        }
        m_smoothers->process_all(missing);
        finish_partial_block(a_inputs, a_outputs, missing);
        m_partial_block_pending = false;
        m_partial_block_missing = 0;
        advance(missing);
        frames -= missing;
    }
    while (frames >= control_block_frames) {
        m_smoothers->process_all(control_block_frames);
        process_block(a_inputs, a_outputs);
        advance(control_block_frames);
        frames -= control_block_frames;
    }
    if (frames > 0) {
        m_partial_block_pending = true;
        m_partial_block_missing = control_block_frames - frames;
        m_smoothers->process_all(frames);
        start_partial_block(a_inputs, a_outputs, frames);
    }
}

void Device::process_block(const InputPair&, const OutputPair&) {}
void Device::finish_partial_block(const InputPair&, const OutputPair&, unsigned) {}
void Device::continue_partial_block(const InputPair&, const OutputPair&, unsigned) {}
void Device::start_partial_block(const InputPair&, const OutputPair&, unsigned) {}

void Device::handle_midi(std::uint32_t a_word) {
    const unsigned status = a_word & 0xFFu;
    const unsigned channel = status & 15u;
    const unsigned key = (a_word >> 8) & 127u;
    const unsigned velocity = (a_word >> 16) & 127u;
    switch (status & 0xF0u) {
    case 0x80:
        note_off(channel, key, velocity);
        break;
    case 0x90:
        note_on(channel, key, velocity);
        break;
    default:
        break;
    }
}

void Device::note_off(unsigned, unsigned, unsigned) {}
void Device::note_on(unsigned, unsigned, unsigned) {}

void Device::setSampleRate(float a_rate) {
    auto locks = lock_structure();
    if (a_rate == m_sample_rate)
        return;
    const float previous = m_sample_rate;
    try {
        p_apply_sample_rate(a_rate);
    } catch (...) {
        // A rate the device cannot run at (its signal path refuses it) must not leave the
        // parameters converted for it over a signal path still set up for the old one; the
        // host's next call with the same rate would otherwise find nothing to do.
        p_apply_sample_rate(previous);
        throw;
    }
}

void Device::p_apply_sample_rate(float a_rate) {
    m_sample_rate = a_rate;
    for (Parameter* parameter : m_sample_rate_dependent)
        parameter->update_sample_rate();
    commit_all_parameters();
    // After the commit: the coefficients use the smoothing rate, which is itself a re-converted
    // parameter ("Parameter smoothness") and reaches m_smoothing_step only by being committed.
    for (Parameter* parameter : m_all_parameters)
        if (parameter->m_smoother)
            parameter->m_smoother->update_coefficients();
    on_sample_rate_changed();
    p_notify(DeviceListener::List_SAMPLE_RATE);
}

void Device::p_flush_smoothers() {
    if (!m_smoothers)
        return;
    while (!m_smoothers->is_empty()) {
        ParameterSmoother* smoother = m_smoothers->m_next;
        if (smoother->m_parameter)
            smoother->m_parameter->commit();
        m_smoothers->list_remove(smoother);
        smoother->jump();
    }
}

void Device::reset() {
    auto locks = lock_structure();
    p_flush_smoothers();
    if (m_changes) {
        m_changes->drain_all([this](ParameterChangeLink& a_link) {
            // Unsmoothed, and the (idle) smoother takes the value as its new starting point.
            a_link.m_parameter->commit_now();
            m_commits->append(a_link.m_parameter->get_committable_callback());
        });
        m_commits->commit_all();
        m_changes->clear_index();
    }
    m_midi_ring.request_clear();
    m_partial_block_pending = false;
    m_partial_block_missing = 0;
    on_reset();
    m_reset_happened = true;
}

void Device::close() {
    auto locks = lock_structure();
    on_close();
    m_triggers->detach_endpoints();
    m_modulation->shut_down();
    p_flush_smoothers();
    m_preset_manager.reset();
    m_program.reset();
    m_all_parameters.clear();
    m_sample_rate_dependent.clear();
    m_smoothers.reset();
    m_commits.reset();
    m_changes.reset();
    m_lifecycle_state = 0;
}

} // namespace Tonekit
