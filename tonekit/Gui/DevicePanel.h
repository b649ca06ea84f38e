#pragma once
// The row at the top of every device editor: the preset selector, the arrows that step through
// the presets (wrapping around at both ends), "Menu..." with the preset and device commands, and
// the line describing the parameter under the mouse. It owns the About and the settings window
// while they are open, one of each.
//
// Failures of the commands (a preset that cannot be loaded or saved) are shown in a message box
// titled "Error"; nothing escapes into the toolkit's event handling.
// [ui-thread] Like every widget.

#include "vexa/Layouts/HorizontalLayout.h"

namespace Vexa {
class SystemWindow;
class TextCommandButton;
struct SystemMenuItemEvent;
namespace CommandButtonEvents {
struct OnAction;
}
namespace WindowEvents {
struct OnClosed;
}
} // namespace Vexa

namespace Tonekit {

class Device;
class DeviceAboutWindow;
class DeviceGuiConcrete;
class DeviceGuiParameterDisplay;
class DeviceGuiProgramDisplay;
class DeviceSettingsWindow;
class PresetArrowButton;

class DevicePanel : public Vexa::HorizontalLayout {
public:
    // Made by DeviceGuiConcrete::create_device_panel.
    explicit DevicePanel(DeviceGuiConcrete& a_gui);
    ~DevicePanel() override;

    const char16_t* get_widget_class() const override { return u"DevicePanel"; }

    DeviceGuiProgramDisplay& get_program_display() const noexcept { return *m_program_display; }
    PresetArrowButton& get_previous_button() const noexcept { return *m_previous; }
    PresetArrowButton& get_next_button() const noexcept { return *m_next; }
    Vexa::TextCommandButton& get_menu_button() const noexcept { return *m_menu_button; }
    DeviceGuiParameterDisplay& get_parameter_display() const noexcept {
        return *m_parameter_display;
    }
    DeviceAboutWindow* get_about_window() const noexcept { return m_about; }
    DeviceSettingsWindow* get_settings_window() const noexcept { return m_settings; }

    // The arrows: the next (a_step 1) or the previous (-1) preset of the list, wrapping around.
    // Nothing without a current preset.
    void step_preset(int a_step);
    // "Menu...": the pop-up below the button.
    void open_menu();
    // The menu's commands.
    void load_preset();
    void save_preset();
    void refresh_preset_list();
    void reset_device();
    // Asks first; on Yes the device's sound goes back to its defaults, keeping the preset's name.
    void clear_preset();
    void open_about();
    // Opens the settings window unless it is open, then brings it to the front.
    void open_settings();

    // The GUI refresh's call: the selector shows a current preset announced meanwhile.
    void sync_preset_information();
    // The GUI is going before the panel.
    void p_gui_destroyed() noexcept { m_gui = nullptr; }

private:
    void p_on_previous(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_next(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_menu(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_menu_item(Vexa::SystemMenuItemEvent& a_event);
    void p_on_about_closed(Vexa::WindowEvents::OnClosed& a_event);
    void p_on_settings_closed(Vexa::WindowEvents::OnClosed& a_event);
    // Runs a command, showing what it throws in a message box titled "Error".
    template <class Command>
    void p_guarded(Command&& a_command);

    DeviceGuiConcrete* m_gui;
    Device& m_device;
    DeviceGuiProgramDisplay* m_program_display;
    PresetArrowButton* m_previous;
    PresetArrowButton* m_next;
    Vexa::TextCommandButton* m_menu_button;
    DeviceGuiParameterDisplay* m_parameter_display;
    DeviceAboutWindow* m_about = nullptr;
    DeviceSettingsWindow* m_settings = nullptr;
    // The settings window's own top-level window; it deletes itself when closed.
    Vexa::SystemWindow* m_settings_system = nullptr;
};

} // namespace Tonekit
