#include "chorus/TheEffect.h"

#include "chorus/ChorusParameterBuilder.h"
#include "chorus/FactoryBank.h"
#include "orvo/Core/Utf.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/DeviceProgramBuilder.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Parameters/CommittableCallback.h"

#include <atomic>
#include <cstdio>

namespace tolvanchorus {

// The lines get their real size when the host sets its rate; until then a nominal one.
TheEffect::TheEffect()
    : m_signal_path(1000.0), m_voice_callback(new Tonekit::CommittableMethodCallback<TheEffect>(
                                 this, &TheEffect::p_commit_voices)),
      m_choice_callback(
          new Tonekit::CommittableMethodCallback<TheEffect>(this, &TheEffect::p_commit_choices)) {
    // The parameters share these; holding a reference here keeps them until the effect goes.
    m_voice_callback->add_reference();
    m_choice_callback->add_reference();
    Tonekit::DeviceStaticConfig& cfg = m_static_config;
    cfg.m_plugin_internal_version = 1;
    cfg.m_plugin_name = u"Tolvan Chorus";
    cfg.m_plugin_unique_id = -462;
    cfg.m_plugin_vendor = u"Tolvan Plugins";
    cfg.m_plugin_version_string = u"0.9.1";
    cfg.m_application_folder_name = u"Tolvan Chorus";
    cfg.m_common_internal_data_folder_name = u"Internal";
    cfg.m_initial_preset_name = u"Initial";
    cfg.m_preset_file_extension = u"preset";
    cfg.m_preset_folder_name = u"Presets";
    cfg.m_preset_preamble_part = "Preset";
    cfg.m_preset_scan_depth_limit = 10;
    cfg.m_preset_scan_entry_limit = 10000;
    cfg.m_use_vendor_folder = true;
    cfg.m_vendor_folder_name = u"Tolvan Plugins";
    cfg.m_modulator_limit = 50;
    cfg.m_entry_limit = 50;
}

TheEffect::~TheEffect() {
    // Parameters that still hold the callbacks release them with the program, after this; the
    // callbacks are never called again by then.
    m_voice_callback->release();
    m_choice_callback->release();
}

void TheEffect::build() {
    Tonekit::DeviceProgramBuilder builder(*get_program());
    ChorusParameterBuilder(builder, m_signal_path, m_targets, m_voice_callback, m_choice_callback)
        .build();
    on_sample_rate_changed();
    m_input_count = 2;
    m_output_count = 2;
    // Before the preset manager's first scan, so that a fresh account finds the bank at once.
    p_install_factory_bank();
}

bool TheEffect::install_factory_presets() {
    const bool installed = p_install_factory_bank();
    if (installed && get_preset_manager()) {
        // The files are in place whether or not this scan shows them; the next one will.
        try {
            get_preset_manager()->refresh();
        } catch (...) {
        }
    }
    return installed;
}

bool TheEffect::p_install_factory_bank() noexcept {
    static std::atomic_flag reported;
    std::string error;
    try {
        const std::filesystem::path folder = Orvo::to_utf8(m_static_config.m_preset_folder.view());
        if (install_factory_bank(folder, error) != FactoryBankInstall::failed)
            return true;
    } catch (...) {
        error = "no preset folder";
    }
    if (!reported.test_and_set())
        std::fprintf(stderr, "Tolvan Chorus: the factory presets were not installed: %s\n",
                     error.c_str());
    return false;
}

void TheEffect::on_sample_rate_changed() {
    m_signal_path.on_sample_rate_changed(get_sample_rate());
}

void TheEffect::p_commit_voices() {
    for (unsigned v = 0; v < SignalPath::voice_count; ++v) {
        m_signal_path.voice(v).set_enabled(m_targets.m_enabled[v]);
        m_signal_path.voice(v).set_solo(m_targets.m_solo[v]);
    }
    m_signal_path.update_effective_enabled();
}

void TheEffect::p_commit_choices() {
    m_signal_path.set_delay_transformation(m_targets.m_delay_transformation);
    m_signal_path.set_depth_transformation(m_targets.m_depth_transformation);
    m_signal_path.set_interpolation(m_targets.m_interpolation);
    m_signal_path.set_processing_function(m_targets.m_processing);
    for (unsigned v = 0; v < SignalPath::voice_count; ++v) {
        m_signal_path.voice(v).set_input_panning_law(m_targets.m_input_panning_law[v]);
        m_signal_path.voice(v).set_output_panning_law(m_targets.m_output_panning_law[v]);
    }
}

void TheEffect::process(const Tonekit::InputPair& a_inputs, const Tonekit::OutputPair& a_outputs,
                        unsigned a_frames) {
    m_signal_path.process(a_inputs.m_left ? a_inputs.m_left : m_silence,
                          a_inputs.m_right ? a_inputs.m_right : m_silence,
                          a_outputs.m_left ? a_outputs.m_left : m_discard[0],
                          a_outputs.m_right ? a_outputs.m_right : m_discard[1], a_frames);
}

} // namespace tolvanchorus
