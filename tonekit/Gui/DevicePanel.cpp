#include "tonekit/Gui/DevicePanel.h"

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "orvo/Signals/MethodSlot1.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Devices/PresetRecord.h"
#include "tonekit/Gui/DeviceAboutWindow.h"
#include "tonekit/Gui/DeviceGuiConcrete.h"
#include "tonekit/Gui/DeviceGuiParameterDisplay.h"
#include "tonekit/Gui/DeviceGuiProgramDisplay.h"
#include "tonekit/Gui/DeviceSettingsWindow.h"
#include "tonekit/Gui/PresetArrowButton.h"
#include "tonekit/Gui/ReportFailures.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Dialogs/FileDialog.h"
#include "vexa/Dialogs/FileDialogFilter.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemPopupMenu.h"
#include "vexa/Platform/NativeWindow.h"
#include "vexa/Widgets/TextCommandButton.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/SystemWindow.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace Tonekit {

namespace {

enum MenuCommand : unsigned {
    MenuCommand_LOAD,
    MenuCommand_SAVE,
    MenuCommand_REFRESH,
    MenuCommand_RESET,
    MenuCommand_CLEAR,
    MenuCommand_SETTINGS,
    MenuCommand_ABOUT,
};

struct MenuEntry {
    const char16_t* label; // null: a separator
    MenuCommand command;
};

constexpr MenuEntry menu_entries[] = {
    {u"Load preset...", MenuCommand_LOAD},         {u"Save preset...", MenuCommand_SAVE},
    {u"Refresh preset list", MenuCommand_REFRESH}, {nullptr, MenuCommand_LOAD},
    {u"Reset/Panic", MenuCommand_RESET},           {nullptr, MenuCommand_LOAD},
    {u"Clear preset", MenuCommand_CLEAR},          {nullptr, MenuCommand_LOAD},
    {u"Settings...", MenuCommand_SETTINGS},        {u"About...", MenuCommand_ABOUT},
};

Orvo::Vector<Vexa::FileDialogFilter> preset_filters() {
    Orvo::Vector<Vexa::FileDialogFilter> filters;
    filters.push_back(Vexa::FileDialogFilter(Orvo::WString(u"Presets (*.preset)"), u"*.preset"));
    filters.push_back(Vexa::FileDialogFilter(Orvo::WString(u"All files (*.*)"), u"*.*"));
    return filters;
}

} // namespace

DevicePanel::DevicePanel(DeviceGuiConcrete& a_gui)
    : m_gui(&a_gui), m_device(a_gui.get_device()),
      m_program_display(new DeviceGuiProgramDisplay(m_device)),
      m_previous(new PresetArrowButton(Vexa::ArrowDirection_LEFT)),
      m_next(new PresetArrowButton(Vexa::ArrowDirection_RIGHT)),
      m_menu_button(new Vexa::TextCommandButton(u"Menu...")),
      m_parameter_display(new DeviceGuiParameterDisplay) {
    append(m_program_display);
    append(m_previous);
    append(m_next);
    append(m_menu_button);
    append(m_parameter_display);
    // "Menu..." keeps its own width; the parameter line takes what the row has left.
    m_menu_button->set_adjust_width_to_contents(true);
    connect(m_previous->m_on_action, this, &DevicePanel::p_on_previous);
    connect(m_next->m_on_action, this, &DevicePanel::p_on_next);
    connect(m_menu_button->m_on_action, this, &DevicePanel::p_on_menu);
}

DevicePanel::~DevicePanel() {
    if (DeviceAboutWindow* about = std::exchange(m_about, nullptr)) {
        about->close();
        delete about;
    }
    // The window saves the defaults as it goes.
    if (DeviceSettingsWindow* settings = std::exchange(m_settings, nullptr)) {
        settings->close();
        delete settings;
    }
    if (Vexa::SystemWindow* system = std::exchange(m_settings_system, nullptr))
        system->close();
    if (m_gui)
        m_gui->p_panel_destroyed(this, m_parameter_display);
}

template <class Command>
void DevicePanel::p_guarded(Command&& a_command) {
    report_failures(this, a_command);
    sync_preset_information();
}

void DevicePanel::sync_preset_information() {
    m_program_display->sync();
}

// --- arrows --------------------------------------------------------------------------------------

void DevicePanel::p_on_previous(Vexa::CommandButtonEvents::OnAction&) {
    step_preset(-1);
}

void DevicePanel::p_on_next(Vexa::CommandButtonEvents::OnAction&) {
    step_preset(1);
}

void DevicePanel::step_preset(int a_step) {
    PresetManager& presets = *m_device.get_preset_manager();
    const PresetRecord* current = presets.get_current_preset();
    const std::size_t count = presets.get_preset_count();
    if (!current || count == 0)
        return;
    const std::size_t index = current->get_index();
    const std::size_t target = a_step > 0 ? (index + 1) % count : (index == 0 ? count : index) - 1;
    p_guarded([&] { presets.load_record(presets.get_preset(target)); });
}

// --- the menu ------------------------------------------------------------------------------------

void DevicePanel::p_on_menu(Vexa::CommandButtonEvents::OnAction&) {
    open_menu();
}

void DevicePanel::open_menu() {
    Vexa::SharedRef<Vexa::SystemPopupMenu> menu(new Vexa::SystemPopupMenu);
    Vexa::SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    for (const MenuEntry& entry : menu_entries) {
        if (!entry.label) {
            builder.add_separator();
            continue;
        }
        Vexa::SystemMenuItem* item = builder.add_command_item(entry.label);
        connect(item->m_on_activated, this, &DevicePanel::p_on_menu_item);
    }
    builder.end();
    menu->popup(m_menu_button, Vexa::PopupAlignment_LEFT | Vexa::PopupAlignment_BELOW);
}

void DevicePanel::p_on_menu_item(Vexa::SystemMenuItemEvent& a_event) {
    const auto entry =
        std::find_if(std::begin(menu_entries), std::end(menu_entries), [&](const MenuEntry& e) {
            return e.label && a_event.item->get_label() == e.label;
        });
    if (entry == std::end(menu_entries))
        return;
    switch (entry->command) {
    case MenuCommand_LOAD:
        load_preset();
        break;
    case MenuCommand_SAVE:
        save_preset();
        break;
    case MenuCommand_REFRESH:
        refresh_preset_list();
        break;
    case MenuCommand_RESET:
        reset_device();
        break;
    case MenuCommand_CLEAR:
        clear_preset();
        break;
    case MenuCommand_SETTINGS:
        open_settings();
        break;
    case MenuCommand_ABOUT:
        open_about();
        break;
    }
}

void DevicePanel::load_preset() {
    PresetManager& presets = *m_device.get_preset_manager();
    const std::optional<Orvo::WString> path = Vexa::get_open_file_name(
        this, u"Load preset", preset_filters(), 0, presets.get_suggested_save_path().view());
    if (path)
        p_guarded([&] { presets.load_file(*path); });
}

void DevicePanel::save_preset() {
    PresetManager& presets = *m_device.get_preset_manager();
    Orvo::WString start = presets.get_suggested_save_path();
    if (start.empty())
        start = u"/Preset.preset";
    const std::optional<Orvo::WString> path = Vexa::get_save_file_name(
        this, u"Save preset", preset_filters(), 0, u"preset", start.view());
    if (!path)
        return;
    p_guarded([&] {
        presets.save_file(*path);
        presets.refresh();
        presets.set_current_from_path(*path);
    });
}

void DevicePanel::refresh_preset_list() {
    PresetManager& presets = *m_device.get_preset_manager();
    p_guarded([&] {
        presets.reread_preset_folder();
        presets.refresh();
        // The current preset's record is looked up in the new tree.
        const Orvo::WString path = presets.get_current_preset_path();
        if (!path.empty())
            presets.set_current_from_path(path);
    });
}

void DevicePanel::reset_device() {
    p_guarded([&] { m_device.reset(); });
}

void DevicePanel::clear_preset() {
    if (Vexa::message_box_question(this, u"Clear preset",
                                   u"Do you want to clear current preset?") !=
        Vexa::MessageBoxResult_YES)
        return;
    p_guarded([&] {
        auto locks = m_device.lock_structure();
        m_device.reset();
        m_device.get_triggers()->remove_user_triggers();
        m_device.get_modulation_manager()->clear();
        m_device.get_program()->get_collection().restore_defaults();
        m_device.commit_all_parameters();
        m_device.get_gui_refresh_queue().request_full_refresh();
    });
}

// --- About ---------------------------------------------------------------------------------------

void DevicePanel::open_about() {
    Vexa::Desktop* desktop = get_desktop();
    if (!desktop || !m_gui)
        return;
    if (!m_about) {
        m_about = new DeviceAboutWindow(m_gui->create_about_content());
        connect(m_about->m_on_closed, this, &DevicePanel::p_on_about_closed);
        m_about->open_centred(*desktop);
    }
    desktop->activate(m_about, true);
}

void DevicePanel::p_on_about_closed(Vexa::WindowEvents::OnClosed& a_event) {
    if (a_event.window != m_about)
        return;
    m_about = nullptr;
    a_event.window->destroy();
}

// --- Settings ------------------------------------------------------------------------------------

// The settings need more room than an editor usually has, so they get a window of their own
// beside the host's, kept above the editor like the file dialogs.
void DevicePanel::open_settings() {
    Vexa::Desktop* desktop = get_desktop();
    if (!desktop)
        return;
    if (!m_settings) {
        m_settings_system = new Vexa::SystemWindow(desktop->get_system_window(), 0);
        m_settings_system->set_title(u"Settings");
        m_settings_system->set_delete_on_close(true);
        m_settings = new DeviceSettingsWindow(m_device);
        connect(m_settings->m_on_closed, this, &DevicePanel::p_on_settings_closed);
        Vexa::Desktop& own = *m_settings_system->get_desktop();
        m_settings->open(&own, Vexa::Modality_MODELESS);
        own.flush();
        const Vexa::Size size = m_settings->get_preferred_size();
        m_settings_system->set_client_size(size.width, size.height);
        m_settings->set_geometry(0, 0, size.width, size.height);
        m_settings_system->show(Vexa::Modality_MODELESS);
    }
    m_settings_system->get_desktop()->activate(m_settings, true);
    if (Vexa::NativeWindow* native = m_settings_system->get_native_window())
        native->activate();
}

void DevicePanel::p_on_settings_closed(Vexa::WindowEvents::OnClosed& a_event) {
    if (a_event.window != m_settings)
        return;
    m_settings = nullptr;
    a_event.window->destroy();
    // It deletes itself once its own events are done.
    if (Vexa::SystemWindow* system = std::exchange(m_settings_system, nullptr))
        system->close();
}

} // namespace Tonekit
