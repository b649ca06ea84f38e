#include "tonekit/Devices/DeviceProgramBuilder.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterGroup.h"

namespace Tonekit {

DeviceProgramBuilder::DeviceProgramBuilder(DeviceProgram& a_program) {
    m_group_stack.push_back(&a_program.get_collection().get_root());
}

ParameterGroup* DeviceProgramBuilder::begin_group(std::uint32_t a_id, const Orvo::WString& a_name) {
    ORVO_ASSERT(!m_group_stack.empty());
    ParameterGroup* top = m_group_stack.back();
    auto* group = new ParameterGroup;
    group->m_id = a_id;
    group->m_name = a_name;
    group->m_parent = top;
    group->m_owner = top->m_owner;
    top->m_subgroups.push_back(group);
    top->m_children.push_back(group);
    m_group_stack.push_back(group);
    return group;
}

void DeviceProgramBuilder::end_group() {
    ORVO_ASSERT(!m_group_stack.empty());
    m_group_stack.pop_back();
}

void DeviceProgramBuilder::add_parameter(Parameter* a_parameter) {
    ORVO_ASSERT(!m_group_stack.empty());
    ParameterGroup* top = m_group_stack.back();
    top->m_parameters.push_back(a_parameter);
    top->m_children.push_back(a_parameter);
    a_parameter->m_parent_group = top;
    a_parameter->set_owner(top->m_owner);
}

} // namespace Tonekit
