#pragma once
// The modulation part of the device editor: the stage shown ("Processing stage:" with "Pre-note",
// "In-note", "Post-note"), the "Menu..." with the commands on the whole modulation, the list of
// the shown stage's modulators and one panel per modulator.
//
// The manager's signals only mark what changed: they come while the manager is in the middle of
// a change (a modulator about to be removed is still in its lists), and a chunk load sends them
// from a host thread. The editor brings the list and the panels in step afterwards, on its own
// thread: right after each of its own commands, and at the GUI's periodic refresh for changes
// from elsewhere. The parameter editors of a removed modulator let go of its parameters as they
// are destroyed, so the panels never reach a dead parameter before they are rebuilt; commands
// of a panel that is out of date are dropped (the panel is rebuilt instead).
// [ui-thread] Like every widget.

#include "orvo/Signals/Trackable.h"
#include "tonekit/Gui/CommandRunner.h"
#include "tonekit/Gui/GuiRefreshListener.h"
#include "tonekit/Modulation/ModulationEvents.h"
#include "tonekit/Modulation/ProcessingStage.h"
#include "vexa/Layouts/StretchLayout.h"

#include <atomic>
#include <functional>
#include <vector>

namespace Vexa {
class Choice;
namespace WindowEvents {
struct OnClosed;
}
class ScrollArea;
class TextCommandButton;
class VerticalLayout;
struct ChoiceModelEvent;
struct ListViewSelectionChangedEvent;
struct SystemMenuItemEvent;
namespace CommandButtonEvents {
struct OnAction;
}
} // namespace Vexa

namespace Tonekit {

class AssignmentEditorWindow;
class DeviceGuiConcrete;
class ModulationManager;
class ModulatorList;
class ModulatorPanel;

class ModulationEditor : public Vexa::StretchLayout,
                         public Orvo::Trackable,
                         public GuiRefreshListener {
public:
    explicit ModulationEditor(DeviceGuiConcrete& a_gui);
    ~ModulationEditor() override;
    const char16_t* get_widget_class() const override { return u"ModulationEditor"; }

    ProcessingStage get_stage() const noexcept { return m_stage; }
    // Shows the modulators of a_stage (the stage choice follows).
    void set_stage(ProcessingStage a_stage);

    // The least height of the panels' area. Layouts ask for their least sizes, so this is also
    // the room the panels have when the editor opens, however many modulators there are.
    void set_minimum_panels_height(int a_height);

    // --- commands --------------------------------------------------------------------------------
    // Adds a modulator of the kind (the manager's type code) at the end or the start of the shown
    // stage.
    void add_modulator(unsigned a_type_code, bool a_at_start);
    // Opens "Parameter assignments", or brings it to the front when it is open.
    void open_assignments();
    AssignmentEditorWindow* get_assignments_window() const noexcept { return m_assignments; }
    void retrigger();
    // Asks "Clear modulation?" first.
    void clear_modulation();
    void open_menu();

    // Runs a command against the manager: a refusal is shown in an "Error" box, and the list and
    // panels are brought in step afterwards.
    void run(const std::function<void()>& a_command);
    // The same for a command of a panel or row, which names a modulator or entry: dropped when the
    // shown state was out of date (that panel may stand for something gone).
    void run_on_current_state(const std::function<void()>& a_command);
    CommandRunner get_runner() {
        return [this](const std::function<void()>& a_command) { run(a_command); };
    }
    // A panel's targets were hidden or shown ("T"); the panel rebuilt for the modulator later
    // keeps it so.
    void targets_shown(const Modulator& a_modulator, bool a_shown);
    // A modulator was renamed: titles and target choosers follow at the next sync.
    void names_changed();

    // Brings the list and the panels in step with the manager; true when anything was rebuilt.
    bool sync();
    void on_gui_refreshed() override;
    void on_gui_destroyed() override { m_gui = nullptr; }

    ModulationManager& get_manager() const noexcept { return m_manager; }
    ModulatorList& get_list() const noexcept { return *m_list; }
    const std::vector<ModulatorPanel*>& get_panels() const noexcept { return m_panels; }
    Vexa::Choice& get_stage_choice() const noexcept { return *m_stage_choice; }
    Vexa::TextCommandButton& get_menu_button() const noexcept { return *m_menu_button; }
    Vexa::ScrollArea& get_scroll_area() const noexcept { return *m_scroll; }

private:
    void p_rebuild();
    void p_show_states();
    ModulatorPanel* p_panel_of(const Modulator* a_modulator) const;
    void p_mark_structure() { m_structure_changed.store(true); }
    void p_mark_entries(const Modulator* a_modulator);

    void p_on_stage_chosen(Vexa::ChoiceModelEvent& a_event);
    void p_on_menu_button(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_append(Vexa::SystemMenuItemEvent& a_event);
    void p_on_prepend(Vexa::SystemMenuItemEvent& a_event);
    void p_on_menu_command(Vexa::SystemMenuItemEvent& a_event);
    void p_on_list_selection(Vexa::ListViewSelectionChangedEvent& a_event);
    void p_on_assignments_closed(Vexa::WindowEvents::OnClosed& a_event);

    void p_on_structure(ModulationEvents::OnCleared&) { p_mark_structure(); }
    void p_on_loaded(ModulationEvents::OnLoaded&) { p_mark_structure(); }
    void p_on_modulator(ModulationEvents::ModulatorEvent&) { p_mark_structure(); }
    void p_on_modulator_moved(ModulationEvents::OnModulatorMoved&) { p_mark_structure(); }
    void p_on_entries(ModulationEvents::ModulatorEvent& a_event);
    void p_on_entry(ModulationEvents::EntryEvent& a_event);
    void p_on_entry_moved(ModulationEvents::OnEntryMoved& a_event);

    // Null once the GUI went first.
    DeviceGuiConcrete* m_gui;
    ModulationManager& m_manager;
    ProcessingStage m_stage = ProcessingStage_PRE_NOTE;
    Vexa::Choice* m_stage_choice;
    Vexa::TextCommandButton* m_menu_button;
    ModulatorList* m_list;
    Vexa::ScrollArea* m_scroll;
    std::vector<ModulatorPanel*> m_panels;
    AssignmentEditorWindow* m_assignments = nullptr;
    // Modulators whose panels hide their targets; compared, never followed.
    std::vector<const Modulator*> m_hidden_targets;
    std::atomic<bool> m_structure_changed{true};
};

} // namespace Tonekit
