#pragma once
// A boolean parameter as a button that stays in while the parameter is on, with a short caption
// (a voice's "S" for solo, say).
// [ui-thread] Like every widget.

#include "tonekit/Gui/SingleParameterEditor.h"
#include "vexa/Widgets/TextToggleButton.h"

#include <string>

namespace Tonekit {

class ParameterGui_ToggleButton : public SingleParameterEditor {
public:
    ParameterGui_ToggleButton(Parameter* a_parameter, std::u16string a_text);
    Vexa::TextToggleButton& get_button() const noexcept { return *m_button; }

protected:
    Vexa::Widget* create_editable_widget() override;
    void update_parameter_from_widget() override;
    void update_widget_from_parameter() override;

private:
    void p_on_toggled(Vexa::ToggleButtonEvents::OnToggled& a_event);

    std::u16string m_text;
    Vexa::TextToggleButton* m_button = nullptr;
};

} // namespace Tonekit
