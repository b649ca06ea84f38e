#include "tonekit/Modulation/XyModulator.h"

#include "tonekit/Modulation/P_XyModulatorEntry_Axis.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/Parameters/CommittableCallback.h"

namespace Tonekit {
namespace {

FloatParameter* p_position(FloatParameter* a_parameter) {
    FloatParameterVariation& variation = a_parameter->set_units(Unit_NONE, Unit_NONE);
    variation.m_external_interval_start = 0.0f;
    variation.m_external_interval_end = 1.0f;
    variation.m_external_default_value = 0.5f;
    a_parameter->set_number_format(u"%.4f");
    return a_parameter;
}

} // namespace

P_XyModulatorEntry_Axis::P_XyModulatorEntry_Axis() {
    begin_options();
    append_option(1, u"X", XyModulatorAxis_X);
    append_option(2, u"Y", XyModulatorAxis_Y);
    end_options();
    set_default_option(1);
}

XyModulatorEntry::XyModulatorEntry(XyModulator* a_modulator)
    : ModifyingModulatorEntry(a_modulator) {
    m_axis = new P_XyModulatorEntry_Axis;
    m_axis->set_target(&m_axis_value);
    m_axis->set_committable_callback(
        new CommittableMethodCallback<XyModulatorEntry>(this, &XyModulatorEntry::configure));
    p_add(m_axis, id_axis, u"Axis");
}

void XyModulatorEntry::configure() noexcept {
    m_record = m_axis_value == XyModulatorAxis_Y ? 1 : 0;
    ModifyingModulatorEntry::configure();
}

XyModulator::XyModulator(Device* a_device) : ModifyingModulator(a_device, type_code, 2) {
    m_x = p_position(p_add_float(id_x, u"X", m_x_lanes));
    m_y = p_position(p_add_float(id_y, u"Y", m_y_lanes));
    p_add_smoothing(false, SmoothingLogic_OFF);
}

void XyModulator::initialize_lane_record(LaneRecord& a_record, unsigned a_record_index, unsigned) {
    a_record.m_raw = a_record_index == 0 ? m_x_lanes : m_y_lanes;
}

void XyModulator::entries_changed() {
    for (const auto& entry : m_entries)
        entry->configure();
}

} // namespace Tonekit
