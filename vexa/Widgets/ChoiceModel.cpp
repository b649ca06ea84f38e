#include "vexa/Widgets/ChoiceModel.h"

#include "orvo/Core/Assert.h"

namespace Vexa {

void ChoiceModel::insert(std::unique_ptr<ChoiceItem> a_item, std::size_t a_at) {
    ORVO_ASSERT(a_item);
    ORVO_ASSERT(a_at <= m_items.size());
    ChoiceItem* item = a_item.get();
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(a_at), std::move(a_item));
    if (m_has_selection && m_selected >= a_at)
        ++m_selected;
    ChoiceModelEvents::OnItemAdded event{this, a_at, item};
    m_on_item_added.emit(event);
}

ChoiceItem& ChoiceModel::get_item(std::size_t a_index) const {
    ORVO_ASSERT(a_index < m_items.size());
    return *m_items[a_index];
}

void ChoiceModel::select_item(std::size_t a_index) {
    ORVO_ASSERT(a_index < m_items.size());
    if (m_has_selection && m_selected == a_index)
        return;
    m_has_selection = true;
    m_selected = a_index;
    p_emit_selection();
}

void ChoiceModel::clear_selection() {
    if (!m_has_selection)
        return;
    m_has_selection = false;
    m_selected = 0;
    p_emit_selection();
}

ChoiceItem& ChoiceModel::get_selected_item() const {
    ORVO_ASSERT(m_has_selection);
    return *m_items[m_selected];
}

std::size_t ChoiceModel::get_selected_item_index() const {
    ORVO_ASSERT(m_has_selection);
    return m_selected;
}

void ChoiceModel::p_emit_selection() {
    ChoiceModelEvent event{this, m_has_selection, m_selected};
    m_on_selection_changed.emit(event);
}

} // namespace Vexa
