#pragma once
#include "tests/support/SilentBlock.h"
// A preset test device with float parameters that modulators can aim at: "Dept" (0..1, no
// conversion, 16 lanes), "Time" (0..50 ms to frames, 16 lanes) and "Mono" (one lane, which no
// modulator can carry).

#include "PresetTestSupport.h"

#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"

namespace TonekitTest {

class ModulationTestDevice : public PresetTestDevice {
public:
    explicit ModulationTestDevice(const std::filesystem::path& a_data_home)
        : PresetTestDevice(a_data_home) {}

    void build() override {
        PresetTestDevice::build();
        Tonekit::DeviceProgramBuilder builder(*get_program());
        m_depth = p_float(builder, "Dept", u"Depth", m_depth_lanes, 16, Tonekit::Unit_NONE, 0.0f,
                          1.0f, 0.25f);
        m_time = p_float(builder, "Time", u"Time", m_time_lanes, 16, Tonekit::Unit_MILLISECONDS,
                         0.0f, 50.0f, 10.0f);
        m_mono = p_float(builder, "Mono", u"Mono", m_mono_lanes, 1, Tonekit::Unit_NONE, 0.0f, 1.0f,
                         0.5f);
    }

    Tonekit::ModulationManager& modulation() { return *get_modulation_manager(); }

    // Commits every pending value at once, as a loaded preset would be.
    void settle() {
        std::lock_guard lock(processing_lock());
        commit_all_parameters();
    }
    void run(unsigned a_frames = 16) { TestSupport::process_silence(*this, a_frames); }

    Tonekit::FloatParameter* m_depth = nullptr;
    Tonekit::FloatParameter* m_time = nullptr;
    Tonekit::FloatParameter* m_mono = nullptr;
    alignas(16) float m_depth_lanes[16] = {};
    alignas(16) float m_time_lanes[16] = {};
    alignas(16) float m_mono_lanes[16] = {};

protected:
    static Tonekit::FloatParameter* p_float(Tonekit::DeviceProgramBuilder& a_builder,
                                            const char (&a_id)[5], const char16_t* a_name,
                                            float* a_lanes, unsigned a_size, Tonekit::Unit a_unit,
                                            float a_start, float a_end, float a_default) {
        auto* parameter = new Tonekit::FloatParameter;
        parameter->m_id = Orvo::four_cc(a_id);
        parameter->set_display_name(a_name);
        parameter->bind_lanes(a_lanes, a_size);
        Tonekit::FloatParameterVariation& variation = parameter->set_units(
            a_unit, a_unit == Tonekit::Unit_MILLISECONDS ? Tonekit::Unit_FRAMES : a_unit);
        variation.m_external_interval_start = a_start;
        variation.m_external_interval_end = a_end;
        variation.m_external_default_value = a_default;
        a_builder.add_parameter(parameter);
        return parameter;
    }
};

// Points a_entry at a_target.
inline void aim(Tonekit::ModulatorEntry& a_entry, Tonekit::Parameter* a_target) {
    static_cast<Tonekit::Parameter_Modulatee*>(
        a_entry.find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(a_target->get_modulatee());
}

// A modulator or entry chooses an option.
template <class Owner>
void choose(Owner* a_owner, std::uint32_t a_id, std::uint32_t a_option) {
    static_cast<Tonekit::P_GenericChoice*>(a_owner->find_parameter(a_id))->set_option(a_option);
}

// A new entry of a_modulator on a_target, at a_location (1 is Above) with a_range.
inline Tonekit::ModulatorEntry* route(Tonekit::ModulationManager& a_manager,
                                      Tonekit::Modulator* a_modulator, Tonekit::Parameter* a_target,
                                      std::uint32_t a_location = 1, float a_range = 0.5f) {
    Tonekit::ModulatorEntry* entry = a_manager.add_entry(a_modulator);
    aim(*entry, a_target);
    choose(entry, Tonekit::ModifyingModulatorEntry::id_location, a_location);
    entry->find_parameter(Tonekit::ModifyingModulatorEntry::id_range)
        ->set_normalized_value(a_range);
    return entry;
}

} // namespace TonekitTest
