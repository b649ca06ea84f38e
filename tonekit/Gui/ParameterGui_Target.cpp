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

ParameterGui_Target::ParameterGui_Target(ModulatorEntry& a_entry, Runner a_run)
    : SingleParameterEditor(a_entry.find_parameter(ModulatorEntry::id_modulatee)), m_entry(a_entry),
      m_run(std::move(a_run)),
      m_choice(new ParameterChoice(
          *a_entry.m_modulator->get_device(), ParameterIterator::Filter_MODULATABLE,
          ParameterIterator::Walk_PROGRAM | ParameterIterator::Walk_MODULATORS)) {
    Modulator& modulator = *a_entry.m_modulator;
    // Only what the order rule lets this modulator reach; the entry's own target stays listed.
    m_choice->set_candidate_filter([&modulator](Parameter& a_candidate) {
        return modulator.m_manager && modulator.m_manager->is_valid_target(modulator, a_candidate);
    });
    connect(m_choice->m_on_parameter_chosen, this, &ParameterGui_Target::p_on_chosen);
    set_widget(m_choice);
    update_widget_from_parameter();
}

void ParameterGui_Target::update_widget_from_parameter() {
    auto* target = static_cast<Parameter_Modulatee*>(get_parameter());
    Modulatee* chosen = target ? target->get_value() : nullptr;
    m_choice->set_parameter(chosen ? chosen->get_parameter() : nullptr);
}

void ParameterGui_Target::p_on_chosen(ParameterChoiceEvents::OnParameterChosen& a_event) {
    auto* target = static_cast<Parameter_Modulatee*>(get_parameter());
    if (!target)
        return;
    Parameter* chosen = a_event.parameter;
    // The table is rebuilt afterwards, with a new editor showing whichever target the entry has
    // then; this one is left alone from here on.
    const Runner run = m_run;
    run([target, chosen] { target->set_value(chosen ? chosen->get_modulatee() : nullptr); });
}

} // namespace Tonekit
