#pragma once
// A float parameter as a value bar. A drag or a double click is one edit gesture towards the
// host (begin, the values, end); the wheel makes single changes. The bar starts at the
// parameter's zero when its variation is bipolar, and shows the typed value as its number.
// [ui-thread] Like every widget.

#include "tonekit/Gui/Filler.h"
#include "tonekit/Gui/ParameterGui_Modulatee.h"

namespace Tonekit {

class ParameterGui_Filler : public ParameterGui_Modulatee {
public:
    explicit ParameterGui_Filler(Parameter* a_parameter);
    // Ends a gesture a closing editor would leave open.
    ~ParameterGui_Filler() override;

    Filler& get_filler() const noexcept { return *m_filler; }
    void repaint_modulation() override;

    // Where the bar starts for a_parameter: the normalized position of its zero (of 1 on an
    // exponential scale) when its variation is bipolar, else 0.
    static float origin_of(Parameter& a_parameter);

protected:
    Vexa::Widget* create_editable_widget() override;
    void update_parameter_from_widget() override;
    void update_widget_from_parameter() override;

private:
    void p_on_drag_begin(FillerEvents::OnDrag& a_event);
    void p_on_value_changed(FillerEvents::OnValueChanged& a_event);
    void p_on_drag_end(FillerEvents::OnDrag& a_event);
    void p_on_paint_marks(FillerEvents::OnPaintMarks& a_event);

    Filler* m_filler = nullptr;
    bool m_in_gesture = false;
};

} // namespace Tonekit
