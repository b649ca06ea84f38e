#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/OwnedParameters.h"

#include "tonekit/Modulation/ModulationRoute.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_Boolean.h"

#include <cstring>

namespace Tonekit {

ModulatorEntry::ModulatorEntry(Modulator* a_modulator)
    : ParameterOwner(Kind_MODULATOR_ENTRY), m_modulator(a_modulator), m_serial(0) {
    m_parameters.get_root().m_owner = this;
    m_enabled = new P_Boolean(true);
    m_enabled->set_target(&m_enabled_value);
    p_add(m_enabled, id_enabled, u"Enabled");
    m_modulatee = new Parameter_Modulatee(this);
    p_add(m_modulatee, id_modulatee, u"Modulatee", false);
    m_lanes.resize(a_modulator->get_lane_count());
}

ModulatorEntry::~ModulatorEntry() = default;

void ModulatorEntry::p_add(Parameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
                           bool a_offered) {
    OwnedParameters::add(m_parameters, this, a_parameter, a_id, a_name, a_offered);
}

FloatParameter* ModulatorEntry::p_add_float(std::uint32_t a_id, const Orvo::WString& a_name,
                                            float* a_lanes) {
    return OwnedParameters::add_float(m_parameters, this, a_id, a_name, a_lanes);
}

void ModulatorEntry::initialize() {
    m_parameters.initialize(m_modulator->get_device());
    m_parameters.commit_all();
    configure();
}

void ModulatorEntry::set_lane_count(unsigned a_count) {
    m_lanes.assign(a_count, LaneBuffers{});
}

Modulatee* ModulatorEntry::get_chosen_target() const {
    return m_modulatee->get_value();
}

void ModulatorEntry::pass_through(unsigned a_lane) const noexcept {
    const LaneBuffers& lane = m_lanes[a_lane];
    if (lane.m_output && lane.m_input && lane.m_output != lane.m_input)
        std::memcpy(lane.m_output, lane.m_input, sizeof(float) * FloatParameter::lane_count);
}

void ModulatorEntry::finish() const noexcept {
    if (m_route_end)
        m_route_end->finish();
}

} // namespace Tonekit
