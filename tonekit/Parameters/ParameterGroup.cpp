#include "tonekit/Parameters/ParameterGroup.h"

#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

ParameterGroup::~ParameterGroup() {
    for (Parameter* parameter : m_parameters) {
        parameter->destroy();
        delete parameter;
    }
    for (ParameterGroup* group : m_subgroups)
        delete group;
}

} // namespace Tonekit
