#pragma once
// A boolean parameter as a check box.
// [ui-thread] Like every widget.

#include "tonekit/Gui/SingleParameterEditor.h"
#include "vexa/Widgets/CheckBox.h"

namespace Tonekit {

class ParameterGui_Boolean : public SingleParameterEditor {
public:
    explicit ParameterGui_Boolean(Parameter* a_parameter);
    Vexa::CheckBox& get_check_box() const noexcept { return *m_check_box; }

    // The editor road for on and off; a parameter of another kind takes 1 or 0 as its normalized
    // value.
    static void write(Parameter& a_parameter, bool a_on);
    static bool read(Parameter& a_parameter);

protected:
    Vexa::Widget* create_editable_widget() override;
    void update_parameter_from_widget() override;
    void update_widget_from_parameter() override;

private:
    void p_on_changed(Vexa::CheckBoxEvents::OnChanged& a_event);

    Vexa::CheckBox* m_check_box = nullptr;
};

} // namespace Tonekit
