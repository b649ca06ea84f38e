#pragma once
// A list of text rows with one selected row at most, drawn on "selection_background", scrolled
// vertically inside its frame (the wheel, and the keys keep the selection in view). A press on a
// row selects it and reports OnItemMouseDown; a double click or Enter activates the selection.

#include "vexa/Widget/Widget.h"
#include "vexa/Widgets/ListViewItem.h"

#include <memory>
#include <optional>
#include <vector>

namespace Vexa {

class ListView;
class ListViewMain;
class StyleRegistry;

namespace ListViewEvents {

struct OnItemMouseDown {
    ListView* list_view;
    std::size_t index;
    InputEvent* event;
};

// Double click or Enter on the selected row.
struct OnItemActivated {
    ListView* list_view;
    std::size_t index;
};

} // namespace ListViewEvents

struct ListViewSelectionChangedEvent {
    ListView* list_view;
    std::optional<std::size_t> selection;
};

class ListView : public Widget {
public:
    ListView();
    ~ListView() override;

    std::size_t add_item(std::u16string_view a_text,
                         ListViewItemMark a_mark = ListViewItemMark_NONE, std::uint64_t a_data = 0);
    // Fails `a_from < m_items.size()` and `a_to < m_items.size()`. The selection follows the
    // item it was on.
    void move_item(std::size_t a_from, std::size_t a_to);
    // Fails `uint(a_index) < m_items.size()`. Removing the selected item leaves none selected.
    void remove_item(int a_index);
    void clear();
    std::size_t get_item_count() const noexcept { return m_items.size(); }
    const ListViewItem& get_item(std::size_t a_index) const;
    // Fails `a_index < m_items.size()`.
    void set_item_text(std::size_t a_index, std::u16string_view a_text);
    // The colour of an unselected row's text; kinds of lists tell rows apart by it.
    virtual GdiPlus_Color get_item_text_color(std::size_t a_index) const;

    std::optional<std::size_t> get_selection() const noexcept { return m_selection; }
    // Reports ListViewSelectionChangedEvent when the selection really changes; an index past the
    // items selects nothing.
    void select(std::optional<std::size_t> a_index);
    void activate_selection();

    int get_row_height() const;
    // Rows that fit wholly in the view (at least 1).
    std::size_t get_page_size() const;
    int get_scroll() const noexcept { return m_scroll; }
    // Clamped so the last row does not leave space below it.
    void set_scroll(int a_scroll);
    void ensure_visible(std::size_t a_index);
    // The row at y in the rows' own coordinates, if any.
    std::optional<std::size_t> get_item_at(int a_y) const;
    ListViewMain& get_main() noexcept { return *m_main; }
    // Rows measured when the view is measured.
    void set_visible_rows(int a_rows);

    GdiPlus_Brush m_selection_background;
    GdiPlus_Color m_selection_text_color{0xFFFFFFFF};

    Orvo::Signal1<ListViewEvents::OnItemMouseDown&> m_on_item_mouse_down;
    Orvo::Signal1<ListViewEvents::OnItemActivated&> m_on_item_activated;
    Orvo::Signal1<ListViewSelectionChangedEvent&> m_on_selection_changed;

    static void install_style(const StyleRegistry& a_registry);

    const char16_t* get_widget_class() const override { return u"ListView"; }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void resized() override;

private:
    void p_on_desktop_changed(WidgetEvents::OnDesktopChanged& a_event);
    void p_changed();

    std::vector<ListViewItem> m_items;
    std::optional<std::size_t> m_selection;
    ListViewMain* m_main;
    int m_scroll = 0;
    int m_visible_rows = 8;
};

} // namespace Vexa
