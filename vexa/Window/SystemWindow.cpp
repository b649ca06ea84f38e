#include "vexa/Window/SystemWindow.h"

#include "vexa/Desktop/KeyboardModifiers.h"

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Platform/Platform.h"
#include "vexa/Window/Timer.h"

#include <algorithm>

namespace Vexa {

namespace {

// The desktop numbers its timers from 1; this one belongs to the window itself.
constexpr unsigned hover_timer_id = 0;

} // namespace

unsigned SystemWindow::s_created_count = 0;
std::vector<SystemWindow*> SystemWindow::s_shown;

SystemWindow::SystemWindow(SystemWindow* a_superwindow, std::uint64_t a_native_parent, bool a_popup)
    : m_superwindow(a_superwindow), m_native_parent(a_native_parent) {
    NativeWindowOptions options;
    options.owner = a_superwindow ? a_superwindow->get_native_window() : nullptr;
    options.foreign_parent = a_native_parent;
    options.popup = a_popup;
    m_native = Toolkit::get().get_platform().create_window(*this, options);
    m_desktop = std::make_unique<Desktop>(this);
    ++s_created_count;
}

SystemWindow::~SystemWindow() {
    std::erase(s_shown, this);
    if (m_quit_loop)
        m_quit_loop->quit();
    if (m_desktop || m_native) {
        if (m_desktop)
            m_desktop->p_detach_system_window();
        m_desktop.reset();
        m_native.reset();
    }
}

void SystemWindow::show(Modality a_modality) {
    if (m_hidden_counter > 0)
        --m_hidden_counter;
    if (m_hidden_counter != 0 || !m_desktop)
        return;
    m_desktop->set_windows_displayed(true);
    if (m_first_show) {
        m_first_show = false;
        p_place_first_time();
    }
    m_modal = a_modality == Modality_MODAL;
    if (m_native)
        m_native->set_visible(true);
    s_shown.push_back(this);
    if (m_modal && m_superwindow && ++m_superwindow->m_disable_counter == 1)
        m_superwindow->p_set_enabled(false);
    m_desktop->flush();
    SystemWindowEvent shown{this};
    m_on_shown.emit(shown);
    if (m_modal) {
        Application* application = Application::get();
        m_quit_loop = application->create_quit_loop();
        // The loop deletes the token however it ends; the window must not keep pointing at it.
        try {
            application->loop(m_quit_loop);
        } catch (...) {
            m_quit_loop = nullptr;
            throw;
        }
        m_quit_loop = nullptr;
    }
}

void SystemWindow::p_place_first_time() {
    if (!m_native)
        return;
    Rect rect{0, 0, m_initial_size.width, m_initial_size.height};
    if (m_position) {
        rect.x = m_position->x;
        rect.y = m_position->y;
    } else if (!m_native_parent) {
        // Centred over the owner, else on the screen.
        Rect area{0, 0, 0, 0};
        if (m_superwindow && m_superwindow->get_native_window())
            area = m_superwindow->get_native_window()->get_client_rect();
        if (area.is_empty()) {
            const Size screen = Toolkit::get().get_platform().get_screen_size();
            area = {0, 0, screen.width, screen.height};
        }
        rect.x = area.x + std::max(0, (area.width - rect.width) / 2);
        rect.y = area.y + std::max(0, (area.height - rect.height) / 2);
    }
    m_native->set_client_rect(rect);
    p_resize(rect.width, rect.height);
}

void SystemWindow::close() {
    if (m_hidden_counter != 0)
        return;
    SystemWindowHidingEvent hiding{this};
    m_on_hiding.emit(hiding);
    const bool was_modal = m_modal;
    if (was_modal) {
        if (m_quit_loop)
            m_quit_loop->quit();
        m_quit_loop = nullptr;
        if (m_superwindow && m_superwindow->m_disable_counter > 0 &&
            --m_superwindow->m_disable_counter == 0)
            m_superwindow->p_set_enabled(true);
    }
    if (m_native)
        m_native->set_visible(false);
    ++m_hidden_counter;
    std::erase(s_shown, this);
    if (m_capture_counter > 0 && m_native)
        m_native->set_capture(false);
    m_capture_counter = 0;
    if (m_desktop)
        m_desktop->set_windows_displayed(false);
    SystemWindowEvent closed{this};
    m_on_closed.emit(closed);
    if (was_modal && m_superwindow && m_superwindow->m_native)
        m_superwindow->m_native->activate();
    if (m_quit_application_on_close)
        Toolkit::get().get_platform().post_quit();
    if (m_delete_on_close)
        destroy();
}

void SystemWindow::destroy() {
    if (!m_desktop && !m_native)
        return;
    if (m_hidden_counter == 0)
        std::erase(s_shown, this);
    SystemWindowEvent destroyed{this};
    m_on_destroyed.emit(destroyed);
    m_menu.reset();
    m_native.reset();
    // The desktop may be in use further up the stack (a slot of one of its widgets closed the
    // window), so it goes at the next turn of the loop; so does a window that deletes itself.
    if (m_desktop) {
        m_desktop->p_detach_system_window();
        Toolkit::get().defer_delete(std::move(m_desktop));
    }
    if (m_delete_on_close)
        Toolkit::get().defer_delete(this);
}

void SystemWindow::set_title(std::u16string_view a_title) {
    if (m_native)
        m_native->set_title(a_title);
}

void SystemWindow::set_client_size(int a_width, int a_height) {
    m_initial_size = {std::clamp(a_width, m_minimum.width, m_maximum.width),
                      std::clamp(a_height, m_minimum.height, m_maximum.height)};
    if (m_first_show || !m_native)
        return;
    Rect rect = m_native->get_client_rect();
    rect.width = m_initial_size.width;
    rect.height = m_initial_size.height;
    m_native->set_client_rect(rect);
    p_resize(rect.width, rect.height);
}

void SystemWindow::set_size_limits(Size a_minimum, Size a_maximum) {
    m_minimum = {std::clamp(a_minimum.width, 1, 65536), std::clamp(a_minimum.height, 1, 65536)};
    m_maximum = {std::clamp(a_maximum.width, m_minimum.width, 65536),
                 std::clamp(a_maximum.height, m_minimum.height, 65536)};
    if (m_native)
        m_native->set_size_limits(m_minimum, m_maximum);
    const Size size = get_client_size();
    set_client_size(std::clamp(size.width, m_minimum.width, m_maximum.width),
                    std::clamp(size.height, m_minimum.height, m_maximum.height));
}

Size SystemWindow::get_client_size() const {
    if (!m_first_show && m_native)
        return {m_native->get_client_rect().width, m_native->get_client_rect().height};
    return m_initial_size;
}

void SystemWindow::set_position(int a_x, int a_y) {
    m_position = Rect{a_x, a_y, 0, 0};
    if (!m_first_show && m_native) {
        Rect rect = m_native->get_client_rect();
        m_native->set_client_rect({a_x, a_y, rect.width, rect.height});
    }
}

void SystemWindow::p_resize(int a_width, int a_height) {
    if (!m_desktop || (m_desktop->get_width() == a_width && m_desktop->get_height() == a_height))
        return;
    m_back_buffer.resize_rounded(a_width, a_height);
    m_desktop->set_geometry(0, 0, a_width, a_height);
    m_desktop->flush();
}

void SystemWindow::p_set_enabled(bool a_enabled) {
    if (!a_enabled && m_desktop) {
        m_desktop->drop_grab();
        if (m_capture_counter > 0 && m_native)
            m_native->set_capture(false);
        m_capture_counter = 0;
    }
}

// Every move starts the hover countdown again; a rest of hover_time gives one hover event.
void SystemWindow::p_arm_hover(bool a_armed) {
    if (!m_native)
        return;
    Platform& platform = Toolkit::get().get_platform();
    if (a_armed)
        platform.set_timer(*m_native, hover_timer_id, hover_time);
    else
        platform.kill_timer(*m_native, hover_timer_id);
}

void SystemWindow::p_invalidate(const Rect& a_rect) {
    if (m_native && m_hidden_counter == 0)
        m_native->invalidate(a_rect);
}

const Bitmap& SystemWindow::compose(const Rect& a_update) {
    if (m_desktop && !m_back_buffer.is_null()) {
        Painter painter(m_back_buffer);
        m_desktop->compose(painter, a_update);
    }
    return m_back_buffer;
}

void SystemWindow::handle_native_event(const NativeEvent& a_event) {
    if (!m_desktop)
        return;
    switch (a_event.type) {
    case NativeEventType::close_request:
        close();
        return;
    case NativeEventType::destroyed:
        // The foreign parent took the native window with it: nothing native is touched again.
        m_native.reset();
        close();
        return;
    case NativeEventType::resized:
        p_resize(a_event.width, a_event.height);
        return;
    default:
        break;
    }
    Desktop::UpdateSuspender suspender(*m_desktop);
    switch (a_event.type) {
    case NativeEventType::activated:
        break;
    case NativeEventType::deactivated:
        m_desktop->drop_grab();
        KeyboardModifiers::p_reset();
        break;
    case NativeEventType::capture_lost:
        if (m_capture_counter > 0)
            m_desktop->drop_grab();
        m_capture_counter = 0;
        break;
    case NativeEventType::mouse_leave:
        p_arm_hover(false);
        m_desktop->mouse_left();
        break;
    case NativeEventType::timer:
        if (a_event.timer_id == hover_timer_id) {
            p_arm_hover(false);
            InputEvent hover;
            hover.type = InputEventType_MOUSE_HOVER;
            hover.desktop_x = m_last_mouse_x;
            hover.desktop_y = m_last_mouse_y;
            if (is_enabled())
                m_desktop->dispatch(hover);
        } else if (Timer* timer = m_desktop->find_timer(a_event.timer_id))
            timer->p_tick();
        break;
    default:
        if (is_enabled())
            p_dispatch_input(a_event);
        break;
    }
}

void SystemWindow::p_dispatch_input(const NativeEvent& a_event) {
    InputEvent event;
    event.desktop_x = a_event.x;
    event.desktop_y = a_event.y;
    event.button = a_event.button;
    switch (a_event.type) {
    case NativeEventType::mouse_move:
        event.type = InputEventType_MOUSE_MOVED;
        m_last_mouse_x = a_event.x;
        m_last_mouse_y = a_event.y;
        p_arm_hover(true);
        break;
    case NativeEventType::button_down:
        event.type = InputEventType_MOUSE_DOWN;
        event.double_click = a_event.double_click;
        if (++m_capture_counter == 1 && m_native)
            m_native->set_capture(true);
        break;
    case NativeEventType::button_up:
        event.type = InputEventType_MOUSE_UP;
        if (m_capture_counter > 0 && --m_capture_counter == 0 && m_native)
            m_native->set_capture(false);
        break;
    case NativeEventType::wheel:
        event.type = InputEventType_MOUSE_WHEEL;
        event.wheel_delta = a_event.wheel_delta;
        break;
    case NativeEventType::key_down: {
        event.type = InputEventType_KEYBOARD_DOWN;
        event.key = key_code_of_virtual_key(a_event.virtual_key);
        event.repeat = a_event.repeat;
        KeyboardModifiers::p_key(event.key, true);
        event.modifiers = a_event.modifiers;
        if (m_menu && m_menu->try_shortcut(event.key, a_event.modifiers))
            return;
        // Typed text follows only a key that no widget consumed.
        if (m_desktop->dispatch(event) || a_event.text.empty() || !m_desktop)
            return;
        InputEvent typed;
        typed.type = InputEventType_KEYBOARD_STRING;
        typed.text = a_event.text;
        m_desktop->dispatch(typed);
        return;
    }
    case NativeEventType::key_up:
        event.type = InputEventType_KEYBOARD_UP;
        event.key = key_code_of_virtual_key(a_event.virtual_key);
        KeyboardModifiers::p_key(event.key, false);
        break;
    default:
        return;
    }
    m_desktop->dispatch(event);
    if (event.type != InputEventType_MOUSE_WHEEL)
        p_update_cursor();
}

// The cursor of the widget under the mouse (or holding the grab), else of its nearest ancestor
// that has one.
void SystemWindow::p_update_cursor() {
    if (!m_desktop || !m_native)
        return;
    Widget* widget = m_desktop->get_grab_widget();
    if (!widget)
        widget = m_desktop->get_widget_under_mouse();
    MouseCursor cursor = MouseCursor_DEFAULT;
    for (; widget && cursor == MouseCursor_DEFAULT; widget = widget->get_parent())
        cursor = widget->get_cursor();
    m_native->set_cursor(cursor);
}

} // namespace Vexa
