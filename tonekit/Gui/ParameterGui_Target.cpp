#include "tonekit/Gui/ParameterGui_Target.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/ParameterIterator.h"
#include "tonekit/Gui/ParameterChoice.h"
#include "tonekit/Modulation/Modulatee.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"

namespace Tonekit {

namespace {

Parameter* target_of(Parameter* a_modulatee) {
    auto* target = static_cast<Parameter_Modulatee*>(a_modulatee);
    Modulatee* chosen = target ? target->get_value() : nullptr;
    return chosen ? chosen->get_parameter() : nullptr;
}

} // namespace

ParameterGui_Target::ParameterGui_Target(ModulatorEntry& a_entry, CommandRunner a_run)
    : SingleParameterEditor(a_entry.find_parameter(ModulatorEntry::id_modulatee)), m_entry(a_entry),
      m_run(std::move(a_run)) {
    Modulator& modulator = *a_entry.m_modulator;
    // Only what the order rule lets this modulator reach; the entry's own target stays listed.
    m_choice = new ParameterChoice(
        *modulator.get_device(), ParameterIterator::Filter_MODULATABLE,
        ParameterIterator::Walk_PROGRAM | ParameterIterator::Walk_MODULATORS,
        [&modulator](Parameter& a_candidate) {
            return modulator.m_manager &&
                   modulator.m_manager->is_valid_target(modulator, a_candidate);
        },
        target_of(get_parameter()));
    connect(m_choice->m_on_parameter_chosen, this, &ParameterGui_Target::p_on_chosen);
    set_widget(m_choice);
}

void ParameterGui_Target::update_widget_from_parameter() {
    m_choice->set_parameter(target_of(get_parameter()));
}

void ParameterGui_Target::p_on_chosen(ParameterChoiceEvents::OnParameterChosen& a_event) {
    auto* target = static_cast<Parameter_Modulatee*>(get_parameter());
    if (!target)
        return;
    Parameter* chosen = a_event.parameter;
    // The table is rebuilt afterwards, with a new editor showing whichever target the entry has
    // then; this one is left alone from here on.
    const CommandRunner run = m_run;
    run([target, chosen] { target->set_value(chosen ? chosen->get_modulatee() : nullptr); });
}

} // namespace Tonekit
