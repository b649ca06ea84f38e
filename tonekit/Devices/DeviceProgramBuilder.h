#pragma once

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <cstdint>

namespace Tonekit {

class DeviceProgram;
class Parameter;
class ParameterGroup;

// Declares a program's groups and parameters in order. The program's root group starts on the
// stack; groups nest by begin_group/end_group.
class DeviceProgramBuilder {
public:
    explicit DeviceProgramBuilder(DeviceProgram& a_program);

    ParameterGroup* begin_group(std::uint32_t a_id, const Orvo::WString& a_name);
    void end_group();
    // Takes ownership of a_parameter.
    void add_parameter(Parameter* a_parameter);

    unsigned m_counter = 0;

private:
    Orvo::Vector<ParameterGroup*> m_group_stack;
};

} // namespace Tonekit
