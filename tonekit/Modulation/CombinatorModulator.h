#pragma once
// Turns the value of its own float parameter "X" into a signal. Earlier modulators aimed at X are
// thereby combined and passed on through the combinator's entries as one modulation.

#include "tonekit/Modulation/ModifyingModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"

namespace Tonekit {

class CombinatorModulator;

class CombinatorModulatorEntry : public ModifyingModulatorEntry {
public:
    explicit CombinatorModulatorEntry(CombinatorModulator* a_modulator);
};

class CombinatorModulator : public ModifyingModulator {
public:
    static constexpr unsigned type_code = 1;
    static constexpr std::uint32_t id_x = Orvo::four_cc("X   ");

    explicit CombinatorModulator(Device* a_device);

    Modulator* create_same_kind() const override { return new CombinatorModulator(m_device); }
    ModulatorEntry* create_entry() override { return new CombinatorModulatorEntry(this); }
    void initialize_lane_record(LaneRecord& a_record, unsigned a_record_index,
                                unsigned a_lane) override;

    FloatParameter* get_x() const noexcept { return m_x; }

private:
    FloatParameter* m_x;
    alignas(16) float m_x_lanes[block_size] = {};
};

} // namespace Tonekit
