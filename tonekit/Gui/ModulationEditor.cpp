#include "tonekit/Gui/ModulationEditor.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Gui/AssignmentEditorWindow.h"
#include "tonekit/Gui/DeviceGuiConcrete.h"
#include "tonekit/Gui/ModulatorGuiKinds.h"
#include "tonekit/Gui/ModulatorList.h"
#include "tonekit/Gui/ModulatorTitleBar.h"
#include "tonekit/Gui/ReportFailures.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/XyModulator.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/ScrollArea.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemPopupMenu.h"
#include "vexa/Widget/UpdateManager.h"
#include "vexa/Widgets/Choice.h"
#include "vexa/Widgets/ChoiceModel.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Widgets/TextCommandButton.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/Window.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace Tonekit {

namespace {

constexpr const char16_t* stage_names[] = {u"Pre-note", u"In-note", u"Post-note"};
constexpr int list_width = 170;

unsigned type_of_item(const std::u16string& a_label) {
    return a_label == u"XY" ? XyModulator::type_code : LfoModulator::type_code;
}

} // namespace

ModulationEditor::ModulationEditor(DeviceGuiConcrete& a_gui)
    : m_gui(&a_gui), m_manager(*a_gui.get_device().get_modulation_manager()),
      m_stage_choice(new Vexa::Choice), m_menu_button(new Vexa::TextCommandButton(u"Menu...")),
      m_list(new ModulatorList), m_scroll(new Vexa::ScrollArea) {
    auto* top = new Vexa::HorizontalLayout;
    auto* caption = new Vexa::Label(u"Processing stage:");
    for (const char16_t* name : stage_names)
        m_stage_choice->get_model().append(name);
    m_stage_choice->get_model().select_item(0);
    // The row's controls keep their own widths; the space after them takes the rest.
    for (Vexa::Widget* widget :
         std::initializer_list<Vexa::Widget*>{caption, m_stage_choice, m_menu_button}) {
        widget->set_adjust_width_to_contents(true);
        top->append(widget);
    }
    top->append(new Vexa::Label);
    // The panels take any height the editor gains.
    top->set_adjust_height_to_contents(true);

    auto* body = new Vexa::HorizontalLayout;
    m_list->set_size_constraint(Vexa::WidgetSizeIndex_MIN_WIDTH, list_width);
    m_list->set_size_constraint(Vexa::WidgetSizeIndex_MAX_WIDTH, list_width);
    body->append(m_list);
    body->append(m_scroll);
    body->set_vertically_stretchable(true);

    auto* column = new Vexa::VerticalLayout;
    column->append(top);
    column->append(body);
    set_widget(column);

    connect(m_stage_choice->get_model().m_on_selection_changed, this,
            &ModulationEditor::p_on_stage_chosen);
    connect(m_menu_button->m_on_action, this, &ModulationEditor::p_on_menu_button);
    connect(m_list->m_on_selection_changed, this, &ModulationEditor::p_on_list_selection);

    connect(m_manager.OnCleared, this, &ModulationEditor::p_on_structure);
    connect(m_manager.OnLoaded, this, &ModulationEditor::p_on_loaded);
    for (auto* signal : {&m_manager.OnModulatorAdded, &m_manager.OnModulatorRemoving,
                         &m_manager.OnModulatorIndexChanged, &m_manager.OnModulatorStageChanged})
        connect(*signal, this, &ModulationEditor::p_on_modulator);
    connect(m_manager.OnModulatorMoved, this, &ModulationEditor::p_on_modulator_moved);
    connect(m_manager.OnModulatorEntriesChanged, this, &ModulationEditor::p_on_entries);
    for (auto* signal :
         {&m_manager.OnEntryAdded, &m_manager.OnEntryRemoving, &m_manager.OnEntryTargetChanged})
        connect(*signal, this, &ModulationEditor::p_on_entry);
    connect(m_manager.OnEntryMoved, this, &ModulationEditor::p_on_entry_moved);

    m_gui->add_refresh_listener(this);
    sync();
}

ModulationEditor::~ModulationEditor() {
    if (m_gui)
        m_gui->remove_refresh_listener(this);
    if (AssignmentEditorWindow* window = std::exchange(m_assignments, nullptr)) {
        window->close();
        delete window;
    }
}

void ModulationEditor::set_stage(ProcessingStage a_stage) {
    if (a_stage < ProcessingStage_PRE_NOTE || a_stage > ProcessingStage_POST_NOTE)
        return;
    if (m_stage_choice->get_model().get_selected_item_index() != a_stage - 1) {
        // The choice's signal comes back here.
        m_stage_choice->get_model().select_item(a_stage - 1);
        return;
    }
    if (a_stage == m_stage)
        return;
    m_stage = a_stage;
    p_mark_structure();
    sync();
}

void ModulationEditor::set_minimum_panels_height(int a_height) {
    m_scroll->set_minimum_viewport_height(a_height);
}

// --- commands ------------------------------------------------------------------------------------

void ModulationEditor::run(const std::function<void()>& a_command) {
    report_failures(this, a_command);
    sync();
}

void ModulationEditor::run_on_current_state(const std::function<void()>& a_command) {
    if (sync())
        return;
    run(a_command);
}

void ModulationEditor::add_modulator(unsigned a_type_code, bool a_at_start) {
    Modulator* added = nullptr;
    run([&] {
        const unsigned position = a_at_start ? 0 : unsigned(m_manager.get_stage(m_stage).size());
        added = m_manager.add_modulator(a_type_code, m_stage, position);
    });
    // The new panel may be below what the area shows: choosing it in the list brings it in.
    for (std::size_t index = 0; added && index < m_panels.size(); ++index)
        if (&m_panels[index]->get_modulator() == added)
            m_list->select(index);
}

void ModulationEditor::targets_shown(const Modulator& a_modulator, bool a_shown) {
    std::erase(m_hidden_targets, &a_modulator);
    if (!a_shown)
        m_hidden_targets.push_back(&a_modulator);
}

void ModulationEditor::open_assignments() {
    Vexa::Desktop* desktop = get_desktop();
    if (!desktop)
        return;
    if (!m_assignments) {
        m_assignments = open_assignment_editor(*desktop, *m_manager.get_device());
        connect(m_assignments->m_on_closed, this, &ModulationEditor::p_on_assignments_closed);
    }
    desktop->activate(m_assignments, true);
}

void ModulationEditor::p_on_assignments_closed(Vexa::WindowEvents::OnClosed& a_event) {
    if (a_event.window != m_assignments)
        return;
    m_assignments = nullptr;
    a_event.window->destroy();
}

void ModulationEditor::retrigger() {
    m_manager.request_restart();
}

void ModulationEditor::clear_modulation() {
    if (Vexa::message_box_question(this, u"Clear modulation", u"Clear modulation?") !=
        Vexa::MessageBoxResult_YES)
        return;
    run([&] { m_manager.clear(); });
}

void ModulationEditor::open_menu() {
    Vexa::SharedRef<Vexa::SystemPopupMenu> menu(new Vexa::SystemPopupMenu);
    Vexa::SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    builder.begin_submenu(u"Append");
    for (const char16_t* kind : {u"XY", u"LFO"})
        connect(builder.add_command_item(kind)->m_on_activated, this,
                &ModulationEditor::p_on_append);
    builder.end_submenu();
    builder.begin_submenu(u"Prepend");
    for (const char16_t* kind : {u"XY", u"LFO"})
        connect(builder.add_command_item(kind)->m_on_activated, this,
                &ModulationEditor::p_on_prepend);
    builder.end_submenu();
    for (const char16_t* label :
         {u"", u"Edit assignments...", u"", u"Retrigger", u"", u"Clear modulation"}) {
        if (!*label)
            builder.add_separator();
        else
            connect(builder.add_command_item(label)->m_on_activated, this,
                    &ModulationEditor::p_on_menu_command);
    }
    builder.end();
    menu->popup(m_menu_button, Vexa::PopupAlignment_LEFT | Vexa::PopupAlignment_BELOW);
}

// Titles, the list and every target chooser showing one of the modulator's parameters name it.
void ModulationEditor::names_changed() {
    p_mark_structure();
}

// --- keeping in step -----------------------------------------------------------------------------

bool ModulationEditor::sync() {
    // One flush for the whole rebuild, not one per widget put in.
    std::optional<Vexa::UpdateManager::Suspension> batch;
    if (Vexa::Desktop* desktop = get_desktop())
        batch.emplace(desktop->get_update_manager());
    bool rebuilt = false;
    if (m_structure_changed.exchange(false)) {
        p_rebuild();
        rebuilt = true;
    } else {
        for (ModulatorPanel* panel : m_panels) {
            if (panel->take_entries_changed()) {
                panel->rebuild_entries();
                rebuilt = true;
            }
        }
    }
    p_show_states();
    return rebuilt;
}

void ModulationEditor::on_gui_refreshed() {
    sync();
}

void ModulationEditor::p_rebuild() {
    const std::optional<std::size_t> selection = m_list->get_selection();
    m_panels.clear();
    m_list->clear_modulators();
    auto* box = new Vexa::VerticalLayout;
    // Modulators that went take their hidden targets with them.
    std::erase_if(m_hidden_targets, [&](const Modulator* a_modulator) {
        for (unsigned index = 0; index < m_manager.get_modulator_count(); ++index)
            if (m_manager.get_modulator(index) == a_modulator)
                return false;
        return true;
    });
    for (Modulator* modulator : m_manager.get_stage(m_stage)) {
        ModulatorPanel* panel = create_modulator_panel(*this, *modulator);
        if (std::find(m_hidden_targets.begin(), m_hidden_targets.end(), modulator) !=
            m_hidden_targets.end())
            panel->set_targets_shown(false);
        box->append(panel);
        m_panels.push_back(panel);
        m_list->add_modulator(*modulator, panel->get_title_bar().get_title(),
                              modulator->is_enabled());
    }
    if (m_panels.empty()) {
        // Where a first-time user looks for what to do.
        auto* none = new Vexa::Label(u"No modulators in this stage: \"Menu...\", then "
                                     u"\"Append\", adds one.");
        none->set_alignment(Vexa::TextAlignment_CENTER, Vexa::TextAlignment_MIDDLE);
        box->append(none);
    }
    // The old panels go with the old box.
    m_scroll->set_content(box);
    if (selection && *selection < m_panels.size())
        m_list->select(selection);
}

// Switching a modulator on or off may come from the host (a slot) as well as from "E".
void ModulationEditor::p_show_states() {
    for (std::size_t index = 0; index < m_panels.size(); ++index)
        m_list->set_enabled(index, m_panels[index]->get_modulator().is_enabled());
}

ModulatorPanel* ModulationEditor::p_panel_of(const Modulator* a_modulator) const {
    for (ModulatorPanel* panel : m_panels)
        if (&panel->get_modulator() == a_modulator)
            return panel;
    return nullptr;
}

void ModulationEditor::p_mark_entries(const Modulator* a_modulator) {
    if (ModulatorPanel* panel = p_panel_of(a_modulator))
        panel->mark_entries_changed();
}

void ModulationEditor::p_on_entries(ModulationEvents::ModulatorEvent& a_event) {
    p_mark_entries(a_event.m_modulator);
}

void ModulationEditor::p_on_entry(ModulationEvents::EntryEvent& a_event) {
    p_mark_entries(a_event.m_entry->m_modulator);
}

void ModulationEditor::p_on_entry_moved(ModulationEvents::OnEntryMoved& a_event) {
    p_mark_entries(a_event.m_modulator);
}

// --- widgets' signals ----------------------------------------------------------------------------

void ModulationEditor::p_on_stage_chosen(Vexa::ChoiceModelEvent&) {
    set_stage(ProcessingStage(m_stage_choice->get_model().get_selected_item_index() + 1));
}

void ModulationEditor::p_on_menu_button(Vexa::CommandButtonEvents::OnAction&) {
    open_menu();
}

void ModulationEditor::p_on_append(Vexa::SystemMenuItemEvent& a_event) {
    add_modulator(type_of_item(a_event.item->get_label()), false);
}

void ModulationEditor::p_on_prepend(Vexa::SystemMenuItemEvent& a_event) {
    add_modulator(type_of_item(a_event.item->get_label()), true);
}

void ModulationEditor::p_on_menu_command(Vexa::SystemMenuItemEvent& a_event) {
    const std::u16string& label = a_event.item->get_label();
    if (label == u"Edit assignments...")
        open_assignments();
    else if (label == u"Retrigger")
        retrigger();
    else if (label == u"Clear modulation")
        clear_modulation();
}

void ModulationEditor::p_on_list_selection(Vexa::ListViewSelectionChangedEvent& a_event) {
    if (!a_event.selection || *a_event.selection >= m_panels.size())
        return;
    ModulatorPanel& panel = *m_panels[*a_event.selection];
    m_scroll->scroll_to_show(panel);
}

} // namespace Tonekit
