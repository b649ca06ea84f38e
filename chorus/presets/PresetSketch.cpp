#include "chorus/presets/PresetSketch.h"

#include "orvo/Core/FourCc.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/P_Integer.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"

#include <cmath>
#include <mutex>
#include <stdexcept>

namespace tolvanchorus {

namespace {

void set_typed(Tonekit::Parameter& a_parameter, float a_value) {
    auto& number = static_cast<Tonekit::FloatParameter&>(a_parameter);
    number.set_normalized_value(number.normalize_number(a_value));
}

} // namespace

PresetSketch::PresetSketch() : m_chorus(std::make_unique<TheEffect>()) {
    m_chorus->initialize();
    m_chorus->setSampleRate(48000.0f);
    // The bank is meant to sound its best; a preset may still ask for the duller linear reads.
    cubic(true);
}

PresetSketch::~PresetSketch() {
    m_chorus->close();
}

Tonekit::Parameter& PresetSketch::p_find(const std::string& a_id) const {
    const char id[5] = {a_id[0], a_id[1], a_id[2], a_id[3], 0};
    Tonekit::Parameter* parameter =
        m_chorus->get_program()->get_collection().find(Orvo::four_cc(id));
    if (!parameter)
        throw std::runtime_error("no parameter " + a_id);
    return *parameter;
}

PresetSketch& PresetSketch::choose(const char* a_id, std::uint32_t a_option) {
    static_cast<Tonekit::P_GenericChoice&>(p_find(a_id)).set_option(a_option);
    return *this;
}

PresetSketch& PresetSketch::voices(std::initializer_list<VoiceSketch> a_voices) {
    if (a_voices.size() > SignalPath::voice_count)
        throw std::runtime_error("more voices than the chorus has");
    for (unsigned v = 0; v < SignalPath::voice_count; ++v) {
        const std::string voice = std::to_string(v + 1);
        const bool enabled = v < a_voices.size();
        p_find("Ena" + voice).set_normalized_value(enabled ? 1.0f : 0.0f);
        if (!enabled)
            continue;
        const VoiceSketch& sketch = a_voices.begin()[v];
        set_typed(p_find("Del" + voice), sketch.m_delay_ms);
        set_typed(p_find("Dep" + voice), sketch.m_depth_ms);
        set_typed(p_find("IPa" + voice), sketch.m_pan);
        set_typed(p_find("OPa" + voice), sketch.m_pan);
    }
    return *this;
}

PresetSketch& PresetSketch::mix(float a_dry, float a_wet, float a_gain_db) {
    set_typed(p_find("Dry "), a_dry);
    set_typed(p_find("Wet "), a_wet);
    set_typed(p_find("GlGa"), a_gain_db);
    return *this;
}

PresetSketch& PresetSketch::pan_laws(PanLaw a_input, PanLaw a_output) {
    for (unsigned v = 1; v <= SignalPath::voice_count; ++v) {
        choose(("IPL" + std::to_string(v)).c_str(), std::uint32_t(a_input));
        choose(("OPL" + std::to_string(v)).c_str(), std::uint32_t(a_output));
    }
    return *this;
}

PresetSketch& PresetSketch::mode(Mode a_mode) {
    choose("PrMo", std::uint32_t(a_mode));
    return *this;
}

PresetSketch& PresetSketch::cubic(bool a_cubic) {
    choose("InAl", a_cubic ? 2 : 1);
    return *this;
}

PresetSketch& PresetSketch::set(const char* a_id, float a_value) {
    set_typed(p_find(a_id), a_value);
    return *this;
}

void PresetSketch::p_aim(Tonekit::ModulatorEntry* a_entry, const std::string& a_target) {
    static_cast<Tonekit::Parameter_Modulatee*>(
        a_entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(p_find(a_target).get_modulatee());
}

Tonekit::LfoModulator* PresetSketch::lfo(Wave a_wave, Cycle a_cycle,
                                         std::initializer_list<unsigned> a_voices, float a_spread) {
    Tonekit::ModulationManager& modulation = *m_chorus->get_modulation_manager();
    auto* lfo = static_cast<Tonekit::LfoModulator*>(modulation.add_modulator(
        Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE,
        modulation.get_modulator_count()));
    lfo->get_waveform()->set_option(std::uint32_t(a_wave));
    lfo->get_synchronization_type()->set_option(a_cycle.m_type);
    lfo->get_whole()->set_value(a_cycle.m_whole);
    lfo->get_numerator()->set_value(a_cycle.m_numerator);
    lfo->get_denominator()->set_value(a_cycle.m_denominator);
    lfo->get_modifier()->set_option(a_cycle.m_dotted ? 2 : 1);
    // A note that happens to fall on a retrigger key must not jolt a free-running chorus.
    lfo->get_retrigger_key_parameter()->set_value(Tonekit::P_RetriggerReason::none);
    unsigned index = 0;
    for (const unsigned voice : a_voices) {
        Tonekit::ModulatorEntry* entry = modulation.add_entry(lfo);
        p_aim(entry, "PiM" + std::to_string(voice));
        entry->find_parameter(Tonekit::ModifyingModulatorEntry::id_range)
            ->set_normalized_value(1.0f);
        if (a_spread > 0.0f && index > 0) {
            static_cast<Tonekit::P_Boolean*>(
                entry->find_parameter(Tonekit::LfoModulatorEntry::id_start_phase_group))
                ->set_value(true);
            static_cast<Tonekit::LfoModulatorEntry*>(entry)->get_phase()->set_normalized_value(
                std::fmod(float(index) * a_spread, 1.0f));
        }
        ++index;
    }
    return lfo;
}

void PresetSketch::retrigger_on_any_key(Tonekit::LfoModulator* a_lfo) {
    a_lfo->get_retrigger_key_parameter()->set_value(Tonekit::P_RetriggerReason::any);
}

Tonekit::XyModulator* PresetSketch::xy_pad(float a_x, float a_y) {
    Tonekit::ModulationManager& modulation = *m_chorus->get_modulation_manager();
    auto* pad = static_cast<Tonekit::XyModulator*>(
        modulation.add_modulator(Tonekit::XyModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE,
                                 modulation.get_modulator_count()));
    pad->get_x()->set_normalized_value(a_x);
    pad->get_y()->set_normalized_value(a_y);
    m_chorus->get_program()->assign(0, pad->get_x());
    m_chorus->get_program()->assign(1, pad->get_y());
    return pad;
}

void PresetSketch::xy_entry(Tonekit::XyModulator* a_pad, unsigned a_axis, const char* a_target,
                            float a_range) {
    Tonekit::ModulatorEntry* entry = m_chorus->get_modulation_manager()->add_entry(a_pad);
    p_aim(entry, a_target);
    static_cast<Tonekit::P_GenericChoice*>(
        entry->find_parameter(Tonekit::XyModulatorEntry::id_axis))
        ->set_option(a_axis + 1);
    entry->find_parameter(Tonekit::ModifyingModulatorEntry::id_range)
        ->set_normalized_value(a_range);
}

std::vector<unsigned char> PresetSketch::bytes() {
    {
        std::lock_guard lock(m_chorus->processing_lock());
        m_chorus->commit_all_parameters();
    }
    Orvo::ExpandingOutputStream output(4096);
    m_chorus->get_preset_manager()->save(output, Tonekit::PresetManager::Section_PRESET_FILE);
    std::vector<unsigned char> bytes(std::size_t(output.get_size()));
    output.copy_to(bytes.data());
    return bytes;
}

} // namespace tolvanchorus
