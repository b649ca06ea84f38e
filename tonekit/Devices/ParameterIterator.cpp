#include "tonekit/Devices/ParameterIterator.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/ParameterIteratorListener.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

ParameterIterator::ParameterIterator(Device& a_device, ParameterIteratorListener& a_listener,
                                     unsigned a_filter, unsigned a_walk,
                                     unsigned a_first_modulator)
    : m_device(a_device), m_listener(a_listener), m_first_modulator(a_first_modulator),
      m_filter(a_filter), m_walk(a_walk) {}

bool ParameterIterator::passes(Parameter& a_parameter) const {
    if ((m_filter & Filter_OFFERED_FOR_SLOT_ASSIGNMENT) && !a_parameter.m_offered_for_slot_assignment)
        return false;
    if ((m_filter & Filter_MODULATABLE) && !a_parameter.get_modulatee())
        return false;
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
        // The device has no modulator kinds yet, so there is nothing between the two calls.
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
