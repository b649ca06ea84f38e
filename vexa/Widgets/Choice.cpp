#include "vexa/Widgets/Choice.h"

namespace Vexa {

Choice::Choice() : m_own_model(std::make_unique<ChoiceModel>()), m_model(m_own_model.get()) {
    p_connect();
}

Choice::~Choice() {
    for (Orvo::Connection* connection : m_model_connections)
        connection->decrease_reference_counter();
}

void Choice::set_model(ChoiceModel* a_model) {
    ChoiceModel* model = a_model ? a_model : m_own_model.get();
    if (model == m_model)
        return;
    for (Orvo::Connection* connection : m_model_connections)
        connection->disconnect();
    m_model_connections.clear();
    m_model = model;
    p_connect();
    repaint();
}

// Held here as well as by the widget, so that a model given up is let go of at once.
void Choice::p_connect() {
    for (Orvo::Connection* connection :
         {connect(m_model->m_on_item_added, this, &Choice::p_on_item_added),
          connect(m_model->m_on_selection_changed, this, &Choice::p_on_selection_changed)}) {
        connection->increase_reference_counter();
        m_model_connections.push_back(connection);
    }
}

void Choice::build_item_tree(ComboBoxItemTreeBuilder& a_builder) {
    const bool selected = m_model->has_selection();
    const std::size_t index = selected ? m_model->get_selected_item_index() : 0;
    for (std::size_t i = 0; i < m_model->get_item_count(); ++i)
        a_builder.add_item(m_model->get_item(i).get_label(), i, selected && i == index);
}

void Choice::item_chosen(const ComboBoxItem& a_item) {
    if (a_item.id < m_model->get_item_count())
        m_model->select_item(a_item.id);
}

std::u16string Choice::display_text() const {
    return m_model->has_selection() ? m_model->get_selected_item().get_label() : get_text();
}

void Choice::p_on_item_added(ChoiceModelEvents::OnItemAdded&) {
    repaint();
}

void Choice::p_on_selection_changed(ChoiceModelEvent& a_event) {
    repaint();
    if (!a_event.has_selection)
        return;
    ComboBoxEvent event{this, a_event.index, m_model->get_selected_item().get_label()};
    m_on_item_chosen.emit(event);
}

} // namespace Vexa
