#include "tonekit/Modulation/ModulationPath.h"

#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Parameters/Parameter.h"

#include <string>

namespace Tonekit {
namespace {

Orvo::WString p_or_question_mark(const Orvo::WString& a_name) {
    return a_name.empty() ? Orvo::WString(u"?") : a_name;
}

} // namespace

Orvo::WString parameter_path_text(const Parameter& a_parameter) {
    const Orvo::WString name = p_or_question_mark(a_parameter.m_display_name);
    const ParameterOwner* owner = a_parameter.get_owner();
    if (!owner)
        return name;
    switch (owner->m_owner_kind) {
    case ParameterOwner::Kind_MODULATOR: {
        const auto* modulator = static_cast<const Modulator*>(owner);
        return p_or_question_mark(modulator->get_name()) + u"/" + name.view();
    }
    case ParameterOwner::Kind_MODULATOR_ENTRY: {
        const auto* entry = static_cast<const ModulatorEntry*>(owner);
        const std::string number = std::to_string(entry->m_index + 1);
        Orvo::WString text = p_or_question_mark(entry->m_modulator->get_name());
        text += u"/E";
        text += Orvo::WString(std::u16string(number.begin(), number.end()));
        text += u"/";
        text += name;
        return text;
    }
    default:
        return name;
    }
}

} // namespace Tonekit
