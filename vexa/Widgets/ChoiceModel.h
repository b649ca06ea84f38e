#pragma once
// An ordered list of choice items and which one of them is selected, if any. A selection follows
// its item when items are inserted before it.

#include "orvo/Signals/Signal1.h"
#include "vexa/Widgets/ChoiceItem.h"

#include <memory>
#include <vector>

namespace Vexa {

class ChoiceModel;

// A change of the selection.
struct ChoiceModelEvent {
    ChoiceModel* model;
    bool has_selection;
    std::size_t index; // the selected index; 0 without a selection
};

namespace ChoiceModelEvents {
struct OnItemAdded {
    ChoiceModel* model;
    std::size_t index;
    ChoiceItem* item;
};
} // namespace ChoiceModelEvents

class ChoiceModel {
public:
    ChoiceModel() = default;
    ChoiceModel(const ChoiceModel&) = delete;
    ChoiceModel& operator=(const ChoiceModel&) = delete;

    // Fails `a_item` and `a_at <= m_items.size()`.
    void insert(std::unique_ptr<ChoiceItem> a_item, std::size_t a_at);
    void append(std::unique_ptr<ChoiceItem> a_item) { insert(std::move(a_item), m_items.size()); }
    void append(std::u16string a_label) {
        append(std::make_unique<ChoiceItem>(std::move(a_label)));
    }

    std::size_t get_item_count() const noexcept { return m_items.size(); }
    // Fails `a_index < m_items.size()`.
    ChoiceItem& get_item(std::size_t a_index) const;

    // Fails `a_index < m_items.size()`. Emits the selection signal when the selection changes.
    void select_item(std::size_t a_index);
    void clear_selection();
    bool has_selection() const noexcept { return m_has_selection; }
    // Both fail `m_has_selection`.
    ChoiceItem& get_selected_item() const;
    std::size_t get_selected_item_index() const;

    Orvo::Signal1<ChoiceModelEvents::OnItemAdded&> m_on_item_added;
    Orvo::Signal1<ChoiceModelEvent&> m_on_selection_changed;

private:
    void p_emit_selection();

    std::vector<std::unique_ptr<ChoiceItem>> m_items;
    bool m_has_selection = false;
    std::size_t m_selected = 0;
};

} // namespace Vexa
