#include "tonekit/Gui/DeviceGuiConcrete.h"

#include "orvo/Core/Exception.h"
#include "orvo/Signals/MethodSlot1.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Gui/DeviceGuiParameterDisplay.h"
#include "tonekit/Gui/DevicePanel.h"
#include "tonekit/Gui/GuiRefreshListener.h"
#include "tonekit/Gui/SingleParameterEditor.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterEditorLink.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemPopupMenu.h"
#include "vexa/Platform/Platform.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Window/MessageBox.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace Tonekit {

DeviceGuiConcrete::DeviceGuiConcrete(Device& a_device)
    : DeviceGui(a_device), m_layout(new Vexa::VerticalLayout) {
    add_child(m_layout);
    set_horizontally_stretchable(true);
    set_vertically_stretchable(true);
    connect(m_layout->m_on_sizes_changed, this, &DeviceGuiConcrete::p_on_layout_sizes);
    for (auto type : {Vexa::InputEventType_MOUSE_MOVED, Vexa::InputEventType_MOUSE_OVER,
                      Vexa::InputEventType_MOUSE_OUT}) {
        m_input_listener.set_wants_consumed(type, true);
        connect(m_input_listener.get_signal(type), this, &DeviceGuiConcrete::p_on_mouse_moved);
    }
    // A release that a widget took (a button's, an entry's) is not a request for a menu.
    connect(m_input_listener.get_signal(Vexa::InputEventType_MOUSE_UP), this,
            &DeviceGuiConcrete::p_on_mouse_up);
}

DeviceGuiConcrete::~DeviceGuiConcrete() {
    for (DevicePanel* panel : m_panels)
        panel->p_gui_destroyed();
    for (GuiRefreshListener* listener : std::exchange(m_refresh_listeners, {}))
        listener->on_gui_destroyed();
    p_forget_hovered();
    // The listener leaves its desktop's list by itself, and only while that list still exists.
}

std::size_t DeviceGuiConcrete::append(Vexa::Widget* a_widget) {
    return m_layout->append(a_widget);
}

DevicePanel* DeviceGuiConcrete::create_device_panel() {
    auto* panel = new DevicePanel(*this);
    m_panels.push_back(panel);
    m_parameter_display = &panel->get_parameter_display();
    return panel;
}

void DeviceGuiConcrete::p_panel_destroyed(DevicePanel* a_panel,
                                          DeviceGuiParameterDisplay* a_display) noexcept {
    m_panels.erase(std::remove(m_panels.begin(), m_panels.end(), a_panel), m_panels.end());
    if (m_parameter_display == a_display)
        m_parameter_display =
            m_panels.empty() ? nullptr : &m_panels.back()->get_parameter_display();
}

Vexa::Widget* DeviceGuiConcrete::create_about_content() {
    const DeviceStaticConfig& config = get_device().get_static_config();
    Orvo::WString text = config.m_plugin_name;
    text += u" ";
    text += config.m_plugin_version_string;
    auto* label = new Vexa::Label(std::u16string(text.view()));
    label->set_alignment(Vexa::TextAlignment_CENTER, Vexa::TextAlignment_MIDDLE);
    return label;
}

// --- layout --------------------------------------------------------------------------------------

void DeviceGuiConcrete::measure_content(Vexa::WidgetEvents::OnMeasure& a_event) {
    const Vexa::WidgetRequestedSizes& sizes = m_layout->get_requested_sizes();
    a_event.minimum.width += sizes.get_minimum_width();
    a_event.minimum.height += sizes.get_minimum_height();
    a_event.requested.width += sizes.get_requested_width();
    a_event.requested.height += sizes.get_requested_height();
}

void DeviceGuiConcrete::resized() {
    m_layout->set_geometry(get_content_rect());
}

void DeviceGuiConcrete::p_on_layout_sizes(Vexa::WidgetEvent&) {
    request_measure();
}

// --- refresh -------------------------------------------------------------------------------------

void DeviceGuiConcrete::refresh() {
    p_follow_desktop();
    for (DevicePanel* panel : m_panels)
        panel->sync_preset_information();
    GuiRefreshQueue& queue = get_device().get_gui_refresh_queue();
    if (queue.is_frozen())
        return;
    const std::uint64_t now = Vexa::Toolkit::get().get_platform().get_time();
    const bool due = queue.take_refresh_due() || !m_refreshed_once || now <= m_last_refresh ||
                     now - m_last_refresh >= refresh_interval_ms;
    if (!due)
        return;
    m_last_refresh = now;
    m_refreshed_once = true;
    refresh_now();
}

void DeviceGuiConcrete::refresh_now() {
    Device& device = get_device();
    GuiRefreshQueue& queue = device.get_gui_refresh_queue();
    {
        // Held throughout: a load or a modulator removal on another thread cannot delete a
        // parameter while it is being shown.
        std::lock_guard values(device.parameter_lock());
        const unsigned drained = queue.flip();
        if (!queue.take_full_refresh()) {
            queue.drain(drained,
                        [this](Parameter& a_parameter) { p_refresh_parameter(a_parameter); });
        } else {
            for (Parameter* parameter : device.get_all_parameters())
                p_refresh_parameter(*parameter);
            queue.drain(drained, [](Parameter&) {});
        }
    }
    // A listener may remove itself.
    const std::vector<GuiRefreshListener*> listeners = m_refresh_listeners;
    for (GuiRefreshListener* listener : listeners)
        if (std::find(m_refresh_listeners.begin(), m_refresh_listeners.end(), listener) !=
            m_refresh_listeners.end())
            listener->on_gui_refreshed();
    periodic_update();
}

void DeviceGuiConcrete::p_refresh_parameter(Parameter& a_parameter) {
    // An editor's refresh may not add or remove editors, but a copy costs little and is safe.
    const Orvo::Vector<ParameterEditorLink*> editors = a_parameter.get_editors();
    for (ParameterEditorLink* editor : editors)
        editor->on_gui_refresh(a_parameter);
    parameter_changed(a_parameter);
}

void DeviceGuiConcrete::parameter_changed(Parameter& a_parameter) {
    if (&a_parameter == m_hovered_parameter)
        p_show_parameter_line();
}

void DeviceGuiConcrete::periodic_update() {
    Device& device = get_device();
    ModulationManager* modulation = device.get_modulation_manager();
    if (!modulation)
        return;
    const auto is_modulated = [modulation](Parameter* a_parameter) {
        auto* target = dynamic_cast<FloatParameter*>(a_parameter);
        return target && modulation->find_route(target) != nullptr;
    };
    switch (device.m_modulation_visualization) {
    case Modvis_ALL: {
        auto locks = device.lock_values();
        for (Parameter* parameter : device.get_all_parameters()) {
            if (parameter->get_editor_count() == 0 || !is_modulated(parameter))
                continue;
            for (ParameterEditorLink* link : parameter->get_editors())
                if (auto* editor = dynamic_cast<SingleParameterEditor*>(link))
                    if (editor->shows_modulation())
                        editor->repaint_modulation();
        }
        break;
    }
    case Modvis_BELOW_MOUSE_CURSOR: {
        if (!m_hovered_editor || !m_hovered_parameter || !m_hovered_editor->shows_modulation())
            break;
        auto locks = device.lock_values();
        if (is_modulated(m_hovered_parameter))
            m_hovered_editor->repaint_modulation();
        break;
    }
    case Modvis_NONE:
        break;
    }
}

void DeviceGuiConcrete::add_refresh_listener(GuiRefreshListener* a_listener) {
    if (std::find(m_refresh_listeners.begin(), m_refresh_listeners.end(), a_listener) ==
        m_refresh_listeners.end())
        m_refresh_listeners.push_back(a_listener);
}

void DeviceGuiConcrete::remove_refresh_listener(GuiRefreshListener* a_listener) {
    m_refresh_listeners.erase(
        std::remove(m_refresh_listeners.begin(), m_refresh_listeners.end(), a_listener),
        m_refresh_listeners.end());
}

// --- the mouse -----------------------------------------------------------------------------------

void DeviceGuiConcrete::p_follow_desktop() {
    Vexa::Desktop* desktop = get_desktop();
    if (desktop == m_listened_desktop && (m_input_listener.get_list() || !desktop))
        return;
    // A list that is gone took its desktop with it.
    if (Vexa::InputListeners* list = m_input_listener.get_list())
        list->p_remove(&m_input_listener);
    m_listened_desktop = desktop;
    if (desktop)
        desktop->add_input_listener(&m_input_listener);
}

SingleParameterEditor* DeviceGuiConcrete::find_editor(Vexa::Widget* a_widget) const {
    for (Vexa::Widget* widget = a_widget; widget && widget != this; widget = widget->get_parent())
        if (auto* editor = dynamic_cast<SingleParameterEditor*>(widget))
            return editor;
    return nullptr;
}

void DeviceGuiConcrete::p_on_mouse_moved(Vexa::InputEvent&) {
    update_hovered(m_listened_desktop ? m_listened_desktop->get_widget_under_mouse() : nullptr);
}

void DeviceGuiConcrete::update_hovered(Vexa::Widget* a_under_mouse) {
    SingleParameterEditor* editor = find_editor(a_under_mouse);
    if (editor == m_hovered_editor)
        return;
    if (m_hovered_editor && m_hovered_editor->shows_modulation())
        m_hovered_editor->repaint();
    p_forget_hovered();
    if (editor) {
        m_hovered_editor = editor;
        m_hovered_parameter = editor->get_parameter();
        m_hovered_widget = editor->get_widget();
        m_hovered_connection = editor->m_on_destroying.connect(
            new Orvo::MethodSlot1<void(Vexa::WidgetEvent&), DeviceGuiConcrete>(
                this, &DeviceGuiConcrete::p_on_hovered_destroying));
        m_hovered_connection->increase_reference_counter();
        if (editor->shows_modulation())
            editor->repaint();
    }
    p_show_parameter_line();
}

void DeviceGuiConcrete::p_forget_hovered() noexcept {
    m_hovered_editor = nullptr;
    m_hovered_parameter = nullptr;
    m_hovered_widget = nullptr;
    if (Orvo::Connection* connection = std::exchange(m_hovered_connection, nullptr))
        connection->disconnect();
}

void DeviceGuiConcrete::p_on_hovered_destroying(Vexa::WidgetEvent&) {
    p_forget_hovered();
    p_show_parameter_line();
}

void DeviceGuiConcrete::p_show_parameter_line() {
    if (!m_parameter_display)
        return;
    Orvo::WString text;
    if (m_hovered_editor) {
        std::lock_guard values(get_device().parameter_lock());
        m_hovered_editor->get_description_text(text);
    }
    m_parameter_display->set_text(std::u16string(text.view()));
}

void DeviceGuiConcrete::p_on_mouse_up(Vexa::InputEvent& a_event) {
    if (a_event.button != 2 || a_event.consumed || !m_listened_desktop)
        return;
    Vexa::Widget* target = m_listened_desktop->find_widget_at(a_event.desktop_x, a_event.desktop_y);
    // Only over this GUI: another window of the desktop (the About window) has its own menus.
    for (Vexa::Widget* widget = target; widget; widget = widget->get_parent())
        if (widget == this) {
            if (open_context_menu(target))
                a_event.consumed = true;
            return;
        }
}

bool DeviceGuiConcrete::open_context_menu(Vexa::Widget* a_target) {
    SingleParameterEditor* editor = find_editor(a_target);
    Parameter* parameter = editor ? editor->get_parameter() : nullptr;
    if (!parameter || parameter->get_variations().size() <= 1)
        return false;
    Vexa::SharedRef<Vexa::SystemPopupMenu> menu(new Vexa::SystemPopupMenu);
    Vexa::SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    builder.begin_submenu(u"Variations");
    for (const auto& variation : parameter->get_variations()) {
        Vexa::SystemMenuItem* item =
            builder.add_checkbox_item(std::u16string(variation->m_name.view()), {},
                                      variation.get() == parameter->get_current_variation());
        // The parameter's variation is what is checked, not a toggle of the item.
        item->set_auto_check(false);
        item->m_on_activated.connect(
            new Orvo::MethodSlot1<void(Vexa::SystemMenuItemEvent&), DeviceGuiConcrete>(
                this, &DeviceGuiConcrete::p_on_variation_chosen));
        m_variation_items.emplace_back(item, variation.get());
    }
    builder.end_submenu();
    builder.end();
    m_context_parameter = parameter;
    menu->popup_at_mouse(this);
    m_variation_items.clear();
    m_context_parameter = nullptr;
    return true;
}

void DeviceGuiConcrete::p_on_variation_chosen(Vexa::SystemMenuItemEvent& a_event) {
    for (const auto& [item, variation] : m_variation_items) {
        if (item != a_event.item || !m_context_parameter)
            continue;
        try {
            m_context_parameter->change_variation(variation);
        } catch (const Orvo::Exception& failure) {
            Vexa::message_box_information(this, u"Error", failure.get_message().view());
        }
        return;
    }
}

} // namespace Tonekit
