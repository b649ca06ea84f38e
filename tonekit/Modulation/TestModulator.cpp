#include "tonekit/Modulation/TestModulator.h"

#include "orvo/Core/Exception.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"

namespace Tonekit {
namespace {

constexpr const char16_t* value_names[] = {u"A", u"B", u"C"};
constexpr std::uint32_t value_ids[] = {Orvo::four_cc("A   "), Orvo::four_cc("B   "),
                                       Orvo::four_cc("C   ")};
constexpr std::uint32_t override_ids[] = {Orvo::four_cc("OveA"), Orvo::four_cc("OveB"),
                                          Orvo::four_cc("OveC")};
constexpr const char16_t* override_names[] = {u"Override A", u"Override B", u"Override C"};

void p_define(FloatParameter* a_parameter) {
    FloatParameterVariation& variation = a_parameter->set_units(Unit_NONE, Unit_NONE);
    variation.m_external_interval_start = -10.0f;
    variation.m_external_interval_end = 10.0f;
    variation.m_external_default_value = 1.0f;
    a_parameter->set_number_format(u"%.4f");
}

} // namespace

TestModulatorEntry::TestModulatorEntry(TestModulator* a_modulator) : ModulatorEntry(a_modulator) {
    for (unsigned i = 0; i < 3; ++i) {
        m_values[i] = p_add_float(value_ids[i], value_names[i], m_lanes_abc[i]);
        p_define(m_values[i]);
    }
    for (unsigned i = 0; i < 3; ++i) {
        auto* override_value = new P_Boolean(false);
        override_value->set_target(&m_overrides[i]);
        p_add(override_value, override_ids[i], override_names[i]);
    }
}

float TestModulatorEntry::get_value(unsigned a_which) const {
    if (m_overrides[a_which])
        return m_values[a_which]->get_value();
    return static_cast<const TestModulator*>(m_modulator)->get_value(a_which);
}

TestModulator::TestModulator(Device* a_device) : Modulator(a_device, type_code) {
    for (unsigned i = 0; i < 3; ++i) {
        m_values[i] = p_add_float(value_ids[i], value_names[i], m_lanes_abc[i]);
        p_define(m_values[i]);
    }
}

ModulatorGui* TestModulator::create_gui() {
    throw Orvo::Exception(u"No gui.");
}

float TestModulator::get_value(unsigned a_which) const {
    return m_values[a_which]->get_value();
}

void TestModulator::process(unsigned, bool) noexcept {
    for (ModulatorEntry* entry : m_active_entries) {
        for (unsigned lane = 0; lane < entry->m_lanes.size(); ++lane)
            entry->pass_through(lane);
        entry->finish();
    }
}

} // namespace Tonekit
