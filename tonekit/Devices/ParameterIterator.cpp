#include "tonekit/Devices/ParameterIterator.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/ParameterIteratorListener.h"
#include "tonekit/Modulation/Modulatee.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

ParameterIterator::ParameterIterator(Device& a_device, ParameterIteratorListener& a_listener,
                                     unsigned a_filter, unsigned a_walk, unsigned a_first_modulator)
    : m_device(a_device), m_listener(a_listener), m_first_modulator(a_first_modulator),
      m_filter(a_filter), m_walk(a_walk) {}

bool ParameterIterator::passes(Parameter& a_parameter) const {
    if ((m_filter & Filter_OFFERED_FOR_SLOT_ASSIGNMENT) &&
        !a_parameter.m_offered_for_slot_assignment)
        return false;
    if (m_filter & Filter_MODULATABLE) {
        const Modulatee* modulatee = a_parameter.get_modulatee();
        if (!modulatee || !modulatee->m_accepts_modulation)
            return false;
    }
    if ((m_filter & Filter_AUTOMATABLE) && !a_parameter.m_automatable)
        return false;
    return true;
}

void ParameterIterator::run() {
    if (m_walk & Walk_PROGRAM) {
        m_listener.before_program();
        p_walk_group(m_device.get_program()->get_collection().get_root());
        m_listener.after_program();
    }
    if (m_walk & Walk_MODULATORS) {
        m_listener.before_modulators();
        const ModulationManager& modulation = *m_device.get_modulation_manager();
        for (unsigned index = m_first_modulator; index < modulation.get_modulator_count();
             ++index) {
            Modulator& modulator = *modulation.get_modulator(index);
            m_listener.before_modulator_group();
            p_walk_group(modulator.get_parameters().get_root());
            m_listener.after_modulator_group();
            for (unsigned entry = 0; entry < modulator.get_entry_count(); ++entry) {
                m_listener.before_entry_group();
                p_walk_group(modulator.get_entry(entry)->get_parameters().get_root());
                m_listener.after_entry_group();
            }
            m_listener.after_modulator_entries();
            m_listener.modulator_end();
        }
        m_listener.after_modulators();
    }
}

void ParameterIterator::p_walk_group(ParameterGroup& a_group) {
    m_listener.group_header(a_group);
    for (Parameter* parameter : a_group.m_parameters)
        if (passes(*parameter))
            m_listener.parameter(*parameter);
    m_listener.after_parameters(a_group);
    m_listener.after_parameters_before_subgroups(a_group);
    for (ParameterGroup* subgroup : a_group.m_subgroups) {
        m_listener.before_subgroup(*subgroup);
        p_walk_group(*subgroup);
        m_listener.after_subgroup(*subgroup);
    }
    m_listener.group_footer(a_group);
}

} // namespace Tonekit
