#include "tonekit/Gui/PG_Choice.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

ParameterComboBox* PG_Choice::do_create_editable_editor() {
    Orvo::not_overridden("PG_Choice::do_create_editable_editor()");
}

Vexa::Widget* PG_Choice::create_editable_widget() {
    m_box = do_create_editable_editor();
    connect(m_box->m_on_item_chosen, this, &PG_Choice::p_on_item_chosen);
    return m_box;
}

void PG_Choice::update_widget_from_parameter() {
    Orvo::WString text;
    get_parameter()->get_value_text(text);
    m_box->set_text(std::u16string(text.view()));
}

void PG_Choice::p_on_item_chosen(Vexa::ComboBoxEvents::OnItemChosen& a_event) {
    if (is_refreshing_widget() || !get_parameter())
        return;
    do_choose(a_event.id);
    // The box shows the chosen label; the parameter's own text says it best.
    p_refresh_widget();
}

} // namespace Tonekit
