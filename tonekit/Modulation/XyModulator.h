#pragma once
// Two user-set positions, X and Y, as two signals (records 0 and 1): each record's raw signal is
// the per-sample value of its parameter, its own smoothing and modulation included.

#include "tonekit/Modulation/ModifyingModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/XyModulatorAxis.h"

namespace Tonekit {

class P_XyModulatorEntry_Axis;
class XyModulator;

class XyModulatorEntry : public ModifyingModulatorEntry {
public:
    static constexpr std::uint32_t id_axis = Orvo::four_cc("Axis");

    explicit XyModulatorEntry(XyModulator* a_modulator);

    // Follows the axis's record, then chooses kernel and form like every modifying entry.
    void configure() noexcept override;
    XyModulatorAxis get_axis() const noexcept { return m_axis_value; }

private:
    P_XyModulatorEntry_Axis* m_axis;
    XyModulatorAxis m_axis_value = XyModulatorAxis_X;
};

class XyModulator : public ModifyingModulator {
public:
    static constexpr unsigned type_code = 7;
    static constexpr std::uint32_t id_x = Orvo::four_cc("X   ");
    static constexpr std::uint32_t id_y = Orvo::four_cc("Y   ");

    explicit XyModulator(Device* a_device);

    Modulator* create_same_kind() const override { return new XyModulator(m_device); }
    void entries_changed() override;
    ModulatorEntry* create_entry() override { return new XyModulatorEntry(this); }
    Orvo::WString get_type_name() const override { return u"XY"; }
    void initialize_lane_record(LaneRecord& a_record, unsigned a_record_index,
                                unsigned a_lane) override;

    FloatParameter* get_x() const noexcept { return m_x; }
    FloatParameter* get_y() const noexcept { return m_y; }

private:
    FloatParameter* m_x;
    FloatParameter* m_y;
    alignas(16) float m_x_lanes[block_size] = {};
    alignas(16) float m_y_lanes[block_size] = {};
};

} // namespace Tonekit
