#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/OwnedParameters.h"

#include "orvo/Core/MessageFormat.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/Parameter_String.h"

#include <string>

namespace Tonekit {

Modulator::Modulator(Device* a_device, unsigned a_type_code)
    : ParameterOwner(Kind_MODULATOR), m_type_code(a_type_code), m_device(a_device) {
    m_parameters.get_root().m_owner = this;
    m_enabled = new P_Boolean(true);
    m_enabled->set_target(&m_enabled_value);
    p_add(m_enabled, id_enabled, u"Enabled");
    m_name = new Parameter_String(u"(no name)");
    m_name->set_target(&m_name_value);
    // Free text: neither automatable nor a thing a slot could carry.
    p_add(m_name, id_name, u"Name", false);
}

// Entries go first: their parameters may be aimed at the modulator's, never the other way round.
Modulator::~Modulator() {
    m_active_entries.clear();
    m_entries.clear();
}

ModulatorGui* Modulator::create_gui() {
    return nullptr;
}

void Modulator::p_add(Parameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
                      bool a_offered) {
    OwnedParameters::add(m_parameters, this, a_parameter, a_id, a_name, a_offered);
}

FloatParameter* Modulator::p_add_float(std::uint32_t a_id, const Orvo::WString& a_name,
                                       float* a_lanes) {
    return OwnedParameters::add_float(m_parameters, this, a_id, a_name, a_lanes);
}

void Modulator::initialize() {
    m_parameters.initialize(m_device);
    m_parameters.commit_all();
}

void Modulator::set_stage(ProcessingStage a_stage) {
    m_stage = a_stage;
    for (const auto& entry : m_entries)
        entry->set_lane_count(get_lane_count());
    p_lanes_changed();
}

const Orvo::WString& Modulator::get_name() const {
    return m_name_value;
}

Orvo::WString Modulator::get_title() const {
    const std::string number = std::to_string(m_global_index + 1);
    return Orvo::format_message(u"@1:@2 @3",
                                {Orvo::WString(std::u16string(number.begin(), number.end())),
                                 get_type_name(), m_name_value});
}

} // namespace Tonekit
