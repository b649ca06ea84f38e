#include "tonekit/Gui/ModulatorPanel.h"

#include "tonekit/Gui/EntryListGridLayout.h"
#include "tonekit/Gui/ModulationEditor.h"
#include "tonekit/Gui/ModulatorEntryGui.h"
#include "tonekit/Gui/ModulatorTitleBar.h"
#include "tonekit/Gui/ParameterEditorFactory.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/ParameterTypes/Parameter_String.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemPopupMenu.h"
#include "vexa/Widgets/Label.h"

#include <algorithm>
#include <array>

namespace Tonekit {

namespace {

constexpr std::array<const char16_t*, 4> modulator_menu = {u"Rename", u"Move up", u"Move down",
                                                           u"Remove"};
constexpr std::array<const char16_t*, 7> entry_menu = {
    u"Move up",       u"Move down",    u"Move to top", u"Move to bottom",
    u"Insert before", u"Insert after", u"Remove"};

} // namespace

void ModulatorPanelContents::add_control(const char16_t* a_label, Vexa::Widget* a_editor) {
    if (!a_editor)
        return;
    const std::size_t row = m_controls / 2;
    const std::size_t column = (m_controls % 2) * 2;
    if (row >= get_row_count())
        insert_rows(row, 1);
    // As wide as its text: the editor beside it takes the rest of the row.
    auto* caption = new Vexa::Label(a_label);
    caption->set_alignment(Vexa::TextAlignment_LEFT, Vexa::TextAlignment_MIDDLE);
    caption->set_adjust_width_to_contents(true);
    set_cell(row, column, caption);
    set_cell(row, column + 1, a_editor);
    ++m_controls;
}

ModulatorPanel::ModulatorPanel(ModulationEditor& a_editor, Modulator& a_modulator)
    : m_editor(a_editor), m_modulator(a_modulator) {}

void ModulatorPanel::build() {
    m_title_bar = new ModulatorTitleBar(*this);
    append(m_title_bar);
    m_contents = new ModulatorPanelContents;
    add_controls(*m_contents);
    append(m_contents);
    append(new Vexa::Label);
    update_title();
    rebuild_entries();
}

void ModulatorPanel::update_title() {
    m_title_bar->set_title(std::u16string(m_modulator.get_title().view()));
}

std::vector<ModulatorGuiColumn> ModulatorPanel::get_columns() const {
    return {{u"Target", ModulatorGuiColumnKind_TARGET},
            {u"Location", ModulatorGuiColumnKind_LOCATION},
            {u"Range", ModulatorGuiColumnKind_RANGE}};
}

std::unique_ptr<ModulatorEntryGui> ModulatorPanel::create_entry_gui(ModulatorEntry& a_entry) {
    return std::make_unique<ModulatorEntryGui>(a_entry, m_editor.get_runner());
}

Vexa::Widget* ModulatorPanel::p_editor_of(std::uint32_t a_id) const {
    Parameter* parameter = m_modulator.find_parameter(a_id);
    return parameter ? create_parameter_editor(parameter) : nullptr;
}

void ModulatorPanel::rebuild_entries() {
    auto* table = new EntryListGridLayout(get_columns());
    const std::vector<ModulatorGuiColumn>& columns = table->get_columns();
    std::vector<Vexa::Widget*> cells(columns.size());
    for (unsigned index = 0; index < m_modulator.get_entry_count(); ++index) {
        std::unique_ptr<ModulatorEntryGui> row = create_entry_gui(*m_modulator.get_entry(index));
        for (std::size_t column = 0; column < columns.size(); ++column)
            cells[column] = row->create_cell(columns[column]);
        table->append_row(new EntryListEntryIndexText(index,
                                                      [this, index](Vexa::Widget& a_number) {
                                                          open_entry_menu(index, &a_number);
                                                      }),
                          cells);
    }
    table->finish();
    if (!m_targets_shown)
        table->hide();
    m_table = table;
    // Row 2 holds the table; the old one goes with its editors.
    set_cell(2, 0, table);
}

void ModulatorPanel::set_targets_shown(bool a_shown) {
    m_targets_shown = a_shown;
    m_editor.targets_shown(m_modulator, a_shown);
    if (a_shown)
        m_table->show();
    else
        m_table->hide();
}

// --- commands ------------------------------------------------------------------------------------

void ModulatorPanel::add_target() {
    m_editor.run_on_current_state([this] {
        m_modulator.m_manager->add_entry(&m_modulator);
        set_targets_shown(true);
    });
}

void ModulatorPanel::rename(std::u16string a_name) {
    m_editor.run_on_current_state([&] {
        auto* name = static_cast<Parameter_String*>(m_modulator.find_parameter(Modulator::id_name));
        name->set_value(Orvo::WString(a_name));
        m_editor.names_changed();
    });
}

void ModulatorPanel::p_popup(std::span<const char16_t* const> a_items,
                             void (ModulatorPanel::*a_chosen)(Vexa::SystemMenuItemEvent&),
                             Vexa::Widget* a_anchor) {
    Vexa::SharedRef<Vexa::SystemPopupMenu> menu(new Vexa::SystemPopupMenu);
    Vexa::SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    for (const char16_t* label : a_items)
        connect(builder.add_command_item(label)->m_on_activated, this, a_chosen);
    builder.end();
    menu->popup(a_anchor, Vexa::PopupAlignment_LEFT | Vexa::PopupAlignment_BELOW);
}

void ModulatorPanel::open_menu(Vexa::Widget* a_anchor) {
    p_popup(modulator_menu, &ModulatorPanel::p_on_modulator_menu, a_anchor);
}

void ModulatorPanel::p_on_modulator_menu(Vexa::SystemMenuItemEvent& a_event) {
    run_modulator_command(a_event.item->get_label());
}

void ModulatorPanel::run_modulator_command(std::u16string_view a_item) {
    if (a_item == u"Rename") {
        m_title_bar->begin_rename();
        return;
    }
    m_editor.run_on_current_state([&] {
        ModulationManager& manager = *m_modulator.m_manager;
        const unsigned position = m_modulator.m_stage_index;
        const unsigned last = unsigned(manager.get_stage(m_modulator.m_stage).size()) - 1;
        if (a_item == u"Move up" && position > 0)
            manager.move_modulator(&m_modulator, m_modulator.m_stage, position - 1);
        else if (a_item == u"Move down" && position < last)
            manager.move_modulator(&m_modulator, m_modulator.m_stage, position + 1);
        else if (a_item == u"Remove")
            manager.remove_modulator(&m_modulator);
    });
}

void ModulatorPanel::open_entry_menu(unsigned a_entry, Vexa::Widget* a_anchor) {
    m_menu_entry = a_entry;
    p_popup(entry_menu, &ModulatorPanel::p_on_entry_menu, a_anchor);
}

void ModulatorPanel::p_on_entry_menu(Vexa::SystemMenuItemEvent& a_event) {
    run_entry_command(m_menu_entry, a_event.item->get_label());
}

void ModulatorPanel::run_entry_command(unsigned a_entry, std::u16string_view a_item) {
    m_editor.run_on_current_state([&] {
        if (a_entry >= m_modulator.get_entry_count())
            return;
        ModulationManager& manager = *m_modulator.m_manager;
        ModulatorEntry* entry = m_modulator.get_entry(a_entry);
        const unsigned last = m_modulator.get_entry_count() - 1;
        if (a_item == u"Move up" && a_entry > 0)
            manager.move_entry(entry, a_entry - 1);
        else if (a_item == u"Move down" && a_entry < last)
            manager.move_entry(entry, a_entry + 1);
        else if (a_item == u"Move to top")
            manager.move_entry(entry, 0);
        else if (a_item == u"Move to bottom")
            manager.move_entry(entry, last);
        else if (a_item == u"Insert before" || a_item == u"Insert after")
            manager.move_entry(manager.add_entry(&m_modulator),
                               a_entry + (a_item == u"Insert after" ? 1 : 0));
        else if (a_item == u"Remove")
            manager.remove_entry(entry);
    });
}

} // namespace Tonekit
