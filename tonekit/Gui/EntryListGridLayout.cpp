#include "tonekit/Gui/EntryListGridLayout.h"

#include "orvo/Core/Exception.h"
#include "vexa/Widget/InputEvent.h"

#include <string>

namespace Tonekit {

namespace {

std::u16string number_text(unsigned a_number) {
    const std::string digits = std::to_string(a_number);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

EntryListEntryIndexText::EntryListEntryIndexText(unsigned a_index,
                                                 std::function<void(Vexa::Widget&)> a_on_press)
    : Label(number_text(a_index + 1)), m_index(a_index), m_on_press(std::move(a_on_press)) {
    set_alignment(Vexa::TextAlignment_RIGHT, Vexa::TextAlignment_MIDDLE);
    set_hint(std::make_shared<Vexa::WidgetStaticHint>(u"Show menu"));
    set_accepts(Vexa::InputEventType_MOUSE_DOWN, true);
    // The numbers take no more room than they need; the columns of editors share the rest.
    set_adjust_width_to_contents(true);
}

void EntryListEntryIndexText::handle_input(Vexa::InputEvent& a_event) {
    if (a_event.type == Vexa::InputEventType_MOUSE_DOWN && m_on_press) {
        a_event.consumed = true;
        m_on_press(*this);
        return;
    }
    Label::handle_input(a_event);
}

EntryListGridLayout::EntryListGridLayout(std::vector<ModulatorGuiColumn> a_columns)
    : GridLayout(0, a_columns.size() + 1), m_columns(std::move(a_columns)) {}

std::size_t EntryListGridLayout::find_column(std::u16string_view a_title) const {
    for (std::size_t column = 0; column < m_columns.size(); ++column)
        if (m_columns[column].title == a_title)
            return column;
    throw Orvo::Exception(u"Column not found");
}

void EntryListGridLayout::append_row(EntryListEntryIndexText* a_number,
                                     std::span<Vexa::Widget* const> a_cells) {
    // The captions come with the first row: they mean nothing over an empty table.
    if (get_row_count() == 0) {
        insert_rows(0, 1);
        for (std::size_t column = 0; column < m_columns.size(); ++column)
            set_cell(0, column + 1,
                     new EntryListColumnHeader(std::u16string(m_columns[column].title)));
    }
    const std::size_t row = get_row_count();
    insert_rows(row, 1);
    set_cell(row, 0, a_number);
    for (std::size_t column = 0; column < a_cells.size() && column < m_columns.size(); ++column)
        if (a_cells[column])
            set_cell(row, column + 1, a_cells[column]);
    ++m_entry_rows;
}

Vexa::Widget* EntryListGridLayout::get_entry_cell(std::size_t a_row, std::size_t a_column) const {
    return get_cell_widget(a_row + 1, a_column + 1);
}

EntryListEntryIndexText* EntryListGridLayout::get_entry_number(std::size_t a_row) const {
    return static_cast<EntryListEntryIndexText*>(get_cell_widget(a_row + 1, 0));
}

void EntryListGridLayout::finish() {
    if (m_entry_rows != 0)
        return;
    insert_rows(0, 1);
    auto* none = new Vexa::Label(u"No targets.");
    set_cell(0, 0, none, 1, unsigned(m_columns.size() + 1));
    m_no_targets = true;
}

} // namespace Tonekit
