#pragma once
// The frame every device editor shares. A concrete editor derives from it, stacks its content in
// the frame's vertical layout (the device panel usually first, see create_device_panel) and says
// what the About window shows.
//
// The frame follows the mouse to the parameter editor under it (the panel's parameter line, the
// modulation display "below the mouse cursor"), offers a parameter's variations in a context menu
// (right button), and refreshes the editors of changed parameters at most every 50 ms from the
// editor's idle calls:
//   1. under the device's GUI-queue lock the changed-for-GUI arrays are flipped;
//   2. under the device's parameter lock every parameter of the drained array (every parameter
//      of the device after a preset load or a lost change) is shown afresh through its editor
//      links, and the parameter line follows when it is the hovered one;
//   3. the refresh listeners run, then the modulation display is repainted as the "Modulation
//      visualization" setting says.
// Nothing is refreshed while the device holds the GUI's updates frozen (a host chunk is being
// loaded); the refresh after the last unfreeze runs at once.
// [ui-thread] Like every widget.

#include "tonekit/Gui/DeviceGui.h"
#include "vexa/Widget/InputListener.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace Orvo {
class Connection;
}

namespace Vexa {
class SystemMenuItem;
class VerticalLayout;
struct SystemMenuItemEvent;
} // namespace Vexa

namespace Tonekit {

class DeviceGuiParameterDisplay;
class DevicePanel;
class GuiRefreshListener;
class Parameter;
class ParameterVariation;
class SingleParameterEditor;

class DeviceGuiConcrete : public DeviceGui {
public:
    static constexpr std::uint64_t refresh_interval_ms = 50;

    explicit DeviceGuiConcrete(Device& a_device);
    ~DeviceGuiConcrete() override;

    // The content, top to bottom. The frame fills its content box with this layout.
    Vexa::VerticalLayout& get_layout() const noexcept { return *m_layout; }
    // Appends a row holding a_widget (the layout takes it); returns the row.
    std::size_t append(Vexa::Widget* a_widget);
    // A new device panel working for this GUI; the caller puts it into the tree. Its parameter
    // line becomes the one the hovered parameter is shown in.
    DevicePanel* create_device_panel();

    // What the About window holds: a new widget each time it opens (the window takes it). The
    // frame's own shows the plug-in's name and version.
    virtual Vexa::Widget* create_about_content();

    // The editor's idle call: the GUI refresh when 50 ms passed since the last one (by the
    // toolkit's clock in milliseconds, or when that clock went back).
    void refresh() override;
    // The GUI refresh now, whatever the pace.
    void refresh_now();
    // The parameter's value changed: the parameter line follows when it is the hovered one.
    virtual void parameter_changed(Parameter& a_parameter);
    // Repaints the modulation marks as the "Modulation visualization" setting says.
    virtual void periodic_update();

    void add_refresh_listener(GuiRefreshListener* a_listener);
    void remove_refresh_listener(GuiRefreshListener* a_listener);

    SingleParameterEditor* get_hovered_editor() const noexcept { return m_hovered_editor; }
    Parameter* get_hovered_parameter() const noexcept { return m_hovered_parameter; }
    // Follows the widget now under the mouse (the input listener calls it on every move).
    void update_hovered(Vexa::Widget* a_under_mouse);
    // The context menu of the parameter editor at a_target (or above it); false when there is
    // none there or the parameter has nothing to offer.
    bool open_context_menu(Vexa::Widget* a_target);
    // The parameter whose context menu is open, else null.
    Parameter* get_context_parameter() const noexcept { return m_context_parameter; }

    // The parameter editor a_widget belongs to (itself or an ancestor inside this GUI), or null.
    SingleParameterEditor* find_editor(Vexa::Widget* a_widget) const;

    // The panel's hooks: its parameter line, and the panel going before the GUI.
    void p_set_parameter_display(DeviceGuiParameterDisplay* a_display) noexcept {
        m_parameter_display = a_display;
    }
    // a_display may be gone already: it is only compared.
    void p_panel_destroyed(DevicePanel* a_panel, DeviceGuiParameterDisplay* a_display) noexcept;

protected:
    void measure_content(Vexa::WidgetEvents::OnMeasure& a_event) override;
    void resized() override;

private:
    void p_on_layout_sizes(Vexa::WidgetEvent& a_event);
    void p_follow_desktop();
    void p_on_mouse_moved(Vexa::InputEvent& a_event);
    void p_on_mouse_up(Vexa::InputEvent& a_event);
    void p_forget_hovered() noexcept;
    void p_on_hovered_destroying(Vexa::WidgetEvent& a_event);
    void p_on_variation_chosen(Vexa::SystemMenuItemEvent& a_event);
    void p_refresh_parameter(Parameter& a_parameter);
    void p_show_parameter_line();

    Vexa::VerticalLayout* m_layout;
    std::vector<DevicePanel*> m_panels;
    SingleParameterEditor* m_hovered_editor = nullptr;
    Parameter* m_hovered_parameter = nullptr;
    Vexa::Widget* m_hovered_widget = nullptr;
    // Our own reference: the hovered editor may go while the mouse is still over it.
    Orvo::Connection* m_hovered_connection = nullptr;
    DeviceGuiParameterDisplay* m_parameter_display = nullptr;
    Parameter* m_context_parameter = nullptr;
    std::vector<std::pair<Vexa::SystemMenuItem*, ParameterVariation*>> m_variation_items;
    std::vector<GuiRefreshListener*> m_refresh_listeners;
    std::uint64_t m_last_refresh = 0;
    bool m_refreshed_once = false;
    // After the toolkit's hover tracking, including moves that a widget consumed (a drag).
    Vexa::InputListener m_input_listener{Vexa::InputListenerScope_AFTER};
    Vexa::Desktop* m_listened_desktop = nullptr;
};

} // namespace Tonekit
