#pragma once
// One modulator's panel in the modulation editor: its title bar, its controls (two label and
// editor pairs per row) and the table of its entries. The kinds say which controls and which
// entry columns they have. Every command goes through the modulation editor, which runs it
// against the manager and shows a refusal; the panel never changes itself: the editor rebuilds it
// (or its table) after the manager's signals.
// [ui-thread] Like every widget.

#include "orvo/Signals/Trackable.h"
#include "tonekit/Gui/ModulatorGuiColumn.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Layouts/VerticalLayout.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace Vexa {
struct SystemMenuItemEvent;
}

namespace Tonekit {

class EntryListGridLayout;
class Modulator;
class ModulatorEntry;
class ModulatorEntryGui;
class ModulationEditor;
class ModulatorTitleBar;

class ModulatorPanelContents : public Vexa::GridLayout {
public:
    ModulatorPanelContents() : GridLayout(0, 4) {}
    const char16_t* get_widget_class() const override { return u"ModulatorPanelContents"; }
    // A caption and its editor in the next free pair of cells; a null editor adds nothing.
    void add_control(const char16_t* a_label, Vexa::Widget* a_editor);

private:
    std::size_t m_controls = 0;
};

class ModulatorPanel : public Vexa::VerticalLayout, public Orvo::Trackable {
public:
    ModulatorPanel(ModulationEditor& a_editor, Modulator& a_modulator);
    const char16_t* get_widget_class() const override { return u"ModulatorPanel"; }

    // Builds the title bar, the controls and the table; once, after construction, when the
    // kind's overrides can be reached.
    void build();

    Modulator& get_modulator() const noexcept { return m_modulator; }
    ModulationEditor& get_editor() const noexcept { return m_editor; }
    ModulatorTitleBar& get_title_bar() const noexcept { return *m_title_bar; }
    ModulatorPanelContents& get_contents() const noexcept { return *m_contents; }
    EntryListGridLayout& get_entry_table() const noexcept { return *m_table; }

    // The title from the modulator ("2:LFO Name").
    void update_title();
    // A new table from the modulator's entries, in place of the old one.
    void rebuild_entries();
    // Set from the manager's signals (any thread holding the GUI); the editor rebuilds the table.
    void mark_entries_changed() noexcept { m_entries_changed.store(true); }
    bool take_entries_changed() noexcept { return m_entries_changed.exchange(false); }

    void set_targets_shown(bool a_shown);
    bool are_targets_shown() const noexcept { return m_targets_shown; }

    // --- commands (through the editor) ----------------------------------------------------------
    void add_target();
    void rename(std::u16string a_name);
    // The modulator's menu: "Rename", "Move up", "Move down", "Remove".
    void open_menu(Vexa::Widget* a_anchor);
    void run_modulator_command(std::u16string_view a_item);
    // An entry row's menu: "Move up", "Move down", "Move to top", "Move to bottom",
    // "Insert before", "Insert after", "Remove".
    void open_entry_menu(unsigned a_entry, Vexa::Widget* a_anchor);
    void run_entry_command(unsigned a_entry, std::u16string_view a_item);

protected:
    virtual void add_controls(ModulatorPanelContents& a_contents) = 0;
    virtual std::vector<ModulatorGuiColumn> get_columns() const;
    virtual std::unique_ptr<ModulatorEntryGui> create_entry_gui(ModulatorEntry& a_entry);
    // The editor of the modulator's parameter a_id; null when it has none.
    Vexa::Widget* p_editor_of(std::uint32_t a_id) const;

private:
    // A pop-up of a_items under a_anchor; a choice calls a_chosen.
    void p_popup(std::span<const char16_t* const> a_items,
                 void (ModulatorPanel::*a_chosen)(Vexa::SystemMenuItemEvent&),
                 Vexa::Widget* a_anchor);
    void p_on_modulator_menu(Vexa::SystemMenuItemEvent& a_event);
    void p_on_entry_menu(Vexa::SystemMenuItemEvent& a_event);

    ModulationEditor& m_editor;
    Modulator& m_modulator;
    ModulatorTitleBar* m_title_bar = nullptr;
    ModulatorPanelContents* m_contents = nullptr;
    EntryListGridLayout* m_table = nullptr;
    bool m_targets_shown = true;
    std::atomic<bool> m_entries_changed{false};
    // The row whose menu is open.
    unsigned m_menu_entry = 0;
};

} // namespace Tonekit
