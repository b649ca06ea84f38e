#pragma once
// A modulator panel's table of entries: a caption row, then one row per entry that starts with
// the entry's number; a press on the number opens the entry's menu. Without entries the table
// says "No targets.".
// [ui-thread] Like every widget.

#include "tonekit/Gui/ModulatorGuiColumn.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Widgets/Label.h"

#include <functional>
#include <span>
#include <vector>

namespace Tonekit {

class EntryListColumnHeader : public Vexa::Label {
public:
    using Label::Label;
    const char16_t* get_widget_class() const override { return u"EntryListColumnHeader"; }
};

class EntryListEntryIndexText : public Vexa::Label {
public:
    // a_on_press opens the row's menu under the number.
    EntryListEntryIndexText(unsigned a_index, std::function<void(Vexa::Widget&)> a_on_press);
    const char16_t* get_widget_class() const override { return u"EntryListEntryIndexText"; }
    unsigned get_index() const noexcept { return m_index; }

protected:
    void handle_input(Vexa::InputEvent& a_event) override;

private:
    unsigned m_index;
    std::function<void(Vexa::Widget&)> m_on_press;
};

class EntryListGridLayout : public Vexa::GridLayout {
public:
    explicit EntryListGridLayout(std::vector<ModulatorGuiColumn> a_columns);
    const char16_t* get_widget_class() const override { return u"EntryListGridLayout"; }

    const std::vector<ModulatorGuiColumn>& get_columns() const noexcept { return m_columns; }
    // Throws "Column not found" for a title the table lacks.
    std::size_t find_column(std::u16string_view a_title) const;
    // Appends a row: the number, then a_cells under the columns (a null cell stays empty).
    void append_row(EntryListEntryIndexText* a_number, std::span<Vexa::Widget* const> a_cells);
    std::size_t get_entry_row_count() const noexcept { return m_entry_rows; }
    // The cell of entry a_row (from 0) under a column; null when empty.
    Vexa::Widget* get_entry_cell(std::size_t a_row, std::size_t a_column) const;
    EntryListEntryIndexText* get_entry_number(std::size_t a_row) const;
    // Shows "No targets." when no row was appended.
    void finish();
    bool shows_no_targets() const noexcept { return m_no_targets; }

private:
    std::vector<ModulatorGuiColumn> m_columns;
    std::size_t m_entry_rows = 0;
    bool m_no_targets = false;
};

} // namespace Tonekit
