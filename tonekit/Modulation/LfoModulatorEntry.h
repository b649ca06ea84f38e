#pragma once
// An entry of an LFO. Entries cut the LFO's signal into phase groups: the first entry opens group
// 0, and every later entry whose "Start phase group" is on opens the next one, shifted by that
// entry's "Phase". Each entry reads the signal of the group it falls in, so a set of targets can
// sweep in quadrature, say, from one oscillator.

#include "tonekit/Modulation/ModifyingModulatorEntry.h"

namespace Tonekit {

class FloatParameter;
class LfoModulator;

class LfoModulatorEntry : public ModifyingModulatorEntry {
public:
    static constexpr std::uint32_t id_start_phase_group = 3;
    static constexpr std::uint32_t id_phase = 4;

    // The editor may open a new group with every entry it adds; loading and the default start
    // without one, so that older presets keep a single group.
    explicit LfoModulatorEntry(LfoModulator* a_modulator, bool a_start_phase_group = false);

    bool starts_phase_group() const noexcept { return m_start_phase_group_value; }
    // The group's offset per sample (16 lanes), read when this entry opens a group.
    const float* get_phase_lanes() const noexcept { return m_phase_lanes; }
    FloatParameter* get_phase() const noexcept { return m_phase; }

private:
    void p_grouping_changed();

    P_Boolean* m_start_phase_group;
    bool m_start_phase_group_value;
    FloatParameter* m_phase;
    alignas(16) float m_phase_lanes[ModulationKernels::block_size] = {};
};

} // namespace Tonekit
