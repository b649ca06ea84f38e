#include "tonekit/Modulation/CombinatorModulator.h"

#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"

namespace Tonekit {

CombinatorModulatorEntry::CombinatorModulatorEntry(CombinatorModulator* a_modulator)
    : ModifyingModulatorEntry(a_modulator) {}

CombinatorModulator::CombinatorModulator(Device* a_device)
    : ModifyingModulator(a_device, type_code) {
    m_x = p_add_float(id_x, u"X", m_x_lanes);
    FloatParameterVariation& x = m_x->set_units(Unit_NONE, Unit_NONE);
    x.m_external_interval_start = 0.0f;
    x.m_external_interval_end = 1.0f;
    x.m_external_default_value = 0.5f;
    m_x->set_number_format(u"%.4f");
}

void CombinatorModulator::initialize_lane_record(LaneRecord& a_record, unsigned, unsigned) {
    a_record.m_raw = m_x_lanes;
}

} // namespace Tonekit
