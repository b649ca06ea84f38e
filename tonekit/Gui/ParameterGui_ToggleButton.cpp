#include "tonekit/Gui/ParameterGui_ToggleButton.h"

#include "tonekit/Gui/ParameterGui_Boolean.h"

namespace Tonekit {

ParameterGui_ToggleButton::ParameterGui_ToggleButton(Parameter* a_parameter, std::u16string a_text)
    : SingleParameterEditor(a_parameter), m_text(std::move(a_text)) {
    p_initialize();
}

Vexa::Widget* ParameterGui_ToggleButton::create_editable_widget() {
    m_button = new Vexa::TextToggleButton(m_text);
    connect(m_button->m_on_toggled, this, &ParameterGui_ToggleButton::p_on_toggled);
    return m_button;
}

void ParameterGui_ToggleButton::update_parameter_from_widget() {
    if (get_parameter())
        ParameterGui_Boolean::write(*get_parameter(), m_button->is_toggled());
}

void ParameterGui_ToggleButton::update_widget_from_parameter() {
    m_button->set_toggled(ParameterGui_Boolean::read(*get_parameter()));
}

void ParameterGui_ToggleButton::p_on_toggled(Vexa::ToggleButtonEvents::OnToggled&) {
    if (!is_refreshing_widget())
        update_parameter_from_widget();
}

} // namespace Tonekit
