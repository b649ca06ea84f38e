#pragma once
// The editor of an entry's target: a drop-down of every parameter the entry may modulate (the
// device's, and those of the modulators after the entry's own), built from the parameter tree
// each time it opens. Choosing one aims the entry at it through the modulation manager; a
// refusal is shown in an "Error" box by the modulation editor.
// [ui-thread] Like every widget.

#include "tonekit/Gui/CommandRunner.h"
#include "tonekit/Gui/SingleParameterEditor.h"

namespace Tonekit {

class ModulatorEntry;
class ParameterChoice;

namespace ParameterChoiceEvents {
struct OnParameterChosen;
}

class ParameterGui_Target : public SingleParameterEditor {
public:
    // a_run wraps the change the way the modulation editor runs its commands.
    ParameterGui_Target(ModulatorEntry& a_entry, CommandRunner a_run);

    ParameterChoice& get_choice() const noexcept { return *m_choice; }

protected:
    void update_widget_from_parameter() override;

private:
    void p_on_chosen(ParameterChoiceEvents::OnParameterChosen& a_event);

    ModulatorEntry& m_entry;
    CommandRunner m_run;
    ParameterChoice* m_choice = nullptr;
};

} // namespace Tonekit
