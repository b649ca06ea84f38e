#include "tonekit/Modulation/Modulatee.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

Parameter* Modulatee::get_parameter() {
    return nullptr;
}

void Modulatee::format_amount(float, int, Orvo::WString&) {
    Orvo::not_overridden("Modulatee::format_amount()");
}

void Modulatee::format_value_at(float, Orvo::WString&) {
    Orvo::not_overridden("Modulatee::format_value_at()");
}

void Modulatee::modulation_changed() {
    Orvo::not_overridden("Modulatee::modulation_changed()");
}

std::uint32_t Modulatee::get_id() {
    Parameter* parameter = get_parameter();
    ORVO_ASSERT(parameter);
    return parameter->get_id();
}

ParameterOwner* Modulatee::get_owner() {
    Parameter* parameter = get_parameter();
    ORVO_ASSERT(parameter);
    return parameter->get_owner();
}

} // namespace Tonekit
