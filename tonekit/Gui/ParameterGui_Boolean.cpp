#include "tonekit/Gui/ParameterGui_Boolean.h"

#include "tonekit/ParameterTypes/P_Boolean.h"

namespace Tonekit {

ParameterGui_Boolean::ParameterGui_Boolean(Parameter* a_parameter)
    : SingleParameterEditor(a_parameter) {
    p_initialize();
}

void ParameterGui_Boolean::write(Parameter& a_parameter, bool a_on) {
    if (auto* boolean = dynamic_cast<P_Boolean*>(&a_parameter))
        boolean->set_value(a_on);
    else
        a_parameter.set_normalized_value(a_on ? 1.0f : 0.0f);
}

bool ParameterGui_Boolean::read(Parameter& a_parameter) {
    if (auto* boolean = dynamic_cast<P_Boolean*>(&a_parameter))
        return boolean->get_value();
    return a_parameter.get_normalized_value() >= 0.5f;
}

Vexa::Widget* ParameterGui_Boolean::create_editable_widget() {
    m_check_box = new Vexa::CheckBox;
    connect(m_check_box->m_on_changed, this, &ParameterGui_Boolean::p_on_changed);
    return m_check_box;
}

void ParameterGui_Boolean::update_parameter_from_widget() {
    if (get_parameter())
        write(*get_parameter(), m_check_box->is_checked());
}

void ParameterGui_Boolean::update_widget_from_parameter() {
    m_check_box->set_checked(read(*get_parameter()));
}

void ParameterGui_Boolean::p_on_changed(Vexa::CheckBoxEvents::OnChanged&) {
    if (!is_refreshing_widget())
        update_parameter_from_widget();
}

} // namespace Tonekit
