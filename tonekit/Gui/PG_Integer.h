#pragma once
// An integer parameter as a number field; a number typed outside the interval goes back to the
// value shown before.
// [ui-thread] Like every widget.

#include "tonekit/Gui/SingleParameterEditor.h"
#include "vexa/Widgets/DecimalEdit.h"

namespace Tonekit {

class P_Integer;

class PG_Integer : public SingleParameterEditor {
public:
    // Fails `integer` when a_parameter is no integer parameter.
    explicit PG_Integer(Parameter* a_parameter);
    Vexa::DecimalEdit& get_edit() const noexcept { return *m_edit; }

protected:
    Vexa::Widget* create_editable_widget() override;
    void update_parameter_from_widget() override;
    void update_widget_from_parameter() override;

private:
    void p_on_value_changed(Vexa::DecimalEditChangedEvent& a_event);

    P_Integer* m_integer;
    Vexa::DecimalEdit* m_edit = nullptr;
};

} // namespace Tonekit
