#include "vexa/Desktop/Desktop.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Exception.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Window/HintWindow.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Timer.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace Vexa {

namespace {

bool is_within(const Widget* a_widget, const Widget* a_ancestor) {
    for (; a_widget; a_widget = a_widget->get_parent())
        if (a_widget == a_ancestor)
            return true;
    return false;
}

bool is_mouse_event(InputEventType a_type) {
    return a_type != InputEventType_KEYBOARD_DOWN && a_type != InputEventType_KEYBOARD_UP &&
           a_type != InputEventType_KEYBOARD_STRING;
}

} // namespace

Desktop::Desktop(SystemWindow* a_system_window) : m_system_window(a_system_window) {
    p_set_desktop(this, this);
    m_opened = true;
    m_ever_opened = true;
    set_can_be_activated(false);
    set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFFD4D0C8))});
}

Desktop::~Desktop() {
    m_hint.reset();
    for (auto& [id, timer] : m_timers)
        timer->p_detach();
    for (Window* window : m_windows) {
        window->p_set_desktop(nullptr, nullptr);
        window->m_opened = false;
        window->m_superwindow = nullptr;
        window->m_subwindows.clear();
    }
    m_windows.clear();
    m_under_mouse = m_grab = m_focus = nullptr;
    // The base destructors must not reach back into the desktop that is going.
    p_set_desktop(nullptr, nullptr);
}

void Desktop::p_open_window(Window* a_window, Modality a_modality, Window* a_superwindow, bool) {
    ORVO_ASSERT(a_window);
    ORVO_ASSERT(!a_window->m_desktop || a_window->m_desktop == this);
    if (a_window->m_opened) {
        if (a_window->m_modality != a_modality)
            throw Orvo::Exception(
                Orvo::WString(u"The window is already opened but has different modality."));
        activate(a_window, true);
        return;
    }
    UpdateSuspender suspender(*this);
    if (!a_window->m_desktop) {
        m_windows.push_back(a_window);
        a_window->m_index = m_windows.size() - 1;
        a_window->p_set_desktop(this, a_window);
    }
    const bool first_time = !a_window->m_ever_opened;
    a_window->m_ever_opened = true;
    a_window->m_modality = a_modality;
    a_window->at_opening(first_time);
    WindowEvents::OnOpening opening{a_window, first_time};
    a_window->m_on_opening.emit(opening);
    a_window->m_opened = true;
    a_window->m_displayed = m_displayed;
    a_window->p_update_displayed();
    p_request_paint(a_window);
    m_open_windows.push_back(a_window);
    if (a_superwindow) {
        a_superwindow->m_subwindows.push_back(a_window);
        a_window->m_superwindow = a_superwindow;
    }
    activate(a_window, true);
    a_window->after_open();
    WindowEvents::OnOpened opened{a_window};
    a_window->m_on_opened.emit(opened);
}

void Desktop::p_close_window(Window* a_window) {
    ORVO_ASSERT(a_window);
    ORVO_ASSERT(a_window->m_desktop == this);
    ORVO_ASSERT(a_window != this);
    if (!a_window->m_opened)
        return;
    UpdateSuspender suspender(*this);
    // Subwindows close first, the most recently opened first.
    const std::vector<Window*> subwindows = a_window->m_subwindows;
    for (auto subwindow = subwindows.rbegin(); subwindow != subwindows.rend(); ++subwindow)
        p_close_window(*subwindow);
    a_window->before_close();
    WindowEvents::OnClosing closing{a_window};
    a_window->m_on_closing.emit(closing);
    const bool was_active = m_active_window == a_window;
    if (was_active)
        activate(a_window, false);
    p_invalidate(a_window->get_rect());
    a_window->m_opened = false;
    a_window->p_update_displayed();
    std::erase(m_open_windows, a_window);
    if (Window* superwindow = a_window->m_superwindow) {
        std::erase(superwindow->m_subwindows, a_window);
        a_window->m_superwindow = nullptr;
    }
    for (Widget* held : {m_under_mouse, m_grab, m_focus})
        if (held && held->get_window() == a_window)
            p_forget_widget(held);
    a_window->after_close();
    WindowEvents::OnClosed closed{a_window};
    a_window->m_on_closed.emit(closed);
    if (was_active)
        for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
            if ((*window)->m_opened && (*window)->m_displayed && (*window)->m_can_be_activated) {
                activate(*window, true);
                break;
            }
}

void Desktop::p_remove_window(Window* a_window) {
    if (a_window->m_opened)
        p_close_window(a_window);
    std::erase(m_windows, a_window);
    p_reindex();
}

void Desktop::activate(Window* a_window, bool a_active) {
    if (!a_window || a_window == this)
        return;
    if (!a_active) {
        if (m_active_window != a_window)
            return;
        m_active_window = nullptr;
        a_window->m_active = false;
        a_window->active_changed();
        return;
    }
    if (!a_window->m_opened || !a_window->m_can_be_activated)
        return;
    p_raise(a_window);
    if (m_active_window == a_window)
        return;
    if (m_active_window)
        activate(m_active_window, false);
    m_active_window = a_window;
    a_window->m_active = true;
    a_window->active_changed();
}

void Desktop::p_raise(Window* a_window) {
    std::vector<Window*> order;
    auto collect = [&](auto&& a_self, Window* a_top) -> void {
        order.push_back(a_top);
        for (Window* subwindow : a_top->m_subwindows)
            a_self(a_self, subwindow);
    };
    collect(collect, a_window);
    const std::vector<Window*> before = m_windows;
    std::erase_if(m_windows, [&](Window* a_each) {
        return std::find(order.begin(), order.end(), a_each) != order.end();
    });
    m_windows.insert(m_windows.end(), order.begin(), order.end());
    if (m_windows != before) {
        p_reindex();
        // Only the composition changes; the bitmaps stay as they are.
        for (Window* moved : order)
            if (moved->is_displayed())
                p_invalidate(moved->get_rect());
    }
}

void Desktop::p_reindex() {
    for (std::size_t i = 0; i < m_windows.size(); ++i)
        m_windows[i]->m_index = i;
}

Widget* Desktop::find_widget_at(int a_x, int a_y) {
    Widget* found = this;
    int x = a_x;
    int y = a_y;
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
        if ((*window)->is_displayed() && (*window)->get_rect().contains(a_x, a_y)) {
            found = *window;
            x -= found->get_rect().x;
            y -= found->get_rect().y;
            break;
        }
    while (Widget* child = found->child_at_point(x, y, 0)) {
        x -= child->get_rect().x;
        y -= child->get_rect().y;
        found = child;
    }
    return found;
}

void Desktop::set_focus_widget(Widget* a_widget) {
    p_set_focus(a_widget, FocusReason_PROGRAM, 0, 0, 0);
}

void Desktop::p_set_focus(Widget* a_widget, int a_reason, int a_button, int a_x, int a_y) {
    if (a_widget == m_focus)
        return;
    UpdateSuspender suspender(*this);
    if (Widget* old = m_focus) {
        m_focus = nullptr;
        WidgetEvents::OnFocusOut out{old};
        old->m_on_focus_out.emit(out);
        old->repaint();
    }
    if (!a_widget || !a_widget->get_desktop())
        return;
    activate(a_widget->get_window(), true);
    m_focus = a_widget;
    WidgetEvents::OnFocusIn in{a_widget, a_reason, a_button, a_x, a_y};
    a_widget->m_on_focus_in.emit(in);
    a_widget->repaint();
}

void Desktop::add_input_listener(InputListener* a_listener) {
    ORVO_ASSERT(a_listener);
    get_input_listeners(a_listener->get_scope()).p_append(a_listener);
}

void Desktop::remove_input_listener(InputListener* a_listener) {
    ORVO_ASSERT(a_listener);
    get_input_listeners(a_listener->get_scope()).p_remove(a_listener);
}

void Desktop::p_update_mouse_over(Widget* a_widget, const InputEvent& a_cause) {
    if (a_widget == m_under_mouse)
        return;
    InputEvent event;
    event.desktop_x = a_cause.desktop_x;
    event.desktop_y = a_cause.desktop_y;
    if (Widget* old = m_under_mouse) {
        event.type = InputEventType_MOUSE_OUT;
        old->deliver(event);
    }
    m_under_mouse = a_widget;
    if (a_widget) {
        event.type = InputEventType_MOUSE_OVER;
        event.consumed = false;
        a_widget->deliver(event);
    }
}

bool Desktop::p_bubble(Widget* a_target, InputEvent& a_event) {
    for (Widget* widget = a_target; widget && !a_event.consumed; widget = widget->get_parent()) {
        if (widget->is_enabled() && widget->accepts(a_event.type)) {
            const Rect rect = widget->get_rect_in_desktop();
            a_event.x = a_event.desktop_x - rect.x;
            a_event.y = a_event.desktop_y - rect.y;
            a_event.stage = widget == a_target ? InputEventStage_TARGET : InputEventStage_BUBBLING;
            widget->deliver(a_event);
            if (a_event.type == InputEventType_MOUSE_DOWN && !a_event.consumed &&
                widget->is_displayed() && (widget->get_focus_policy() & FocusPolicy_CLICK)) {
                widget->set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
                a_event.consumed = true;
            }
        }
        if (!widget->propagates(a_event.type))
            break;
    }
    return a_event.consumed;
}

bool Desktop::dispatch(InputEvent& a_event) {
    UpdateSuspender suspender(*this);
    if (!is_mouse_event(a_event.type)) {
        m_listeners_before.dispatch(a_event);
        Widget* target = m_focus ? m_focus : static_cast<Widget*>(m_active_window);
        if (target)
            p_bubble(target, a_event);
        m_listeners_after.dispatch(a_event);
        return a_event.consumed;
    }
    m_mouse_inside = true;
    p_hint_sees(a_event);
    m_last_mouse_x = a_event.desktop_x;
    m_last_mouse_y = a_event.desktop_y;
    Widget* target = m_grab;
    if (!target) {
        target = find_widget_at(a_event.desktop_x, a_event.desktop_y);
        p_update_mouse_over(target, a_event);
    }
    m_listeners_before.dispatch(a_event);
    const bool down = a_event.type == InputEventType_MOUSE_DOWN;
    if (down && !a_event.double_click) {
        if (!m_grab)
            m_grab = target;
        ++m_grab_count;
    }
    if (down) {
        Window* window = target->get_window();
        activate(window, true);
        if (m_focus && m_focus->get_window() != window)
            set_focus_widget(nullptr);
    }
    if (m_grab && m_grab == target && !down) {
        if (target->is_enabled() && !a_event.consumed) {
            const Rect rect = target->get_rect_in_desktop();
            a_event.x = a_event.desktop_x - rect.x;
            a_event.y = a_event.desktop_y - rect.y;
            a_event.stage = InputEventStage_TARGET;
            target->deliver(a_event);
        }
    } else {
        p_bubble(target, a_event);
    }
    m_listeners_after.dispatch(a_event);
    const bool consumed = a_event.consumed;
    if (a_event.type == InputEventType_MOUSE_UP && m_grab_count > 0 && --m_grab_count == 0) {
        m_grab = nullptr;
        p_update_mouse_over(find_widget_at(a_event.desktop_x, a_event.desktop_y), a_event);
    }
    if (a_event.type == InputEventType_MOUSE_HOVER && !m_grab)
        p_show_hint();
    return consumed;
}

HintWindow* Desktop::get_shown_hint() const {
    return m_hint && m_hint->is_opened() ? m_hint.get() : nullptr;
}

void Desktop::close_hint() {
    if (get_shown_hint())
        m_hint->close();
}

// The hint of the widget under the mouse, or of its nearest ancestor that has one, shows below
// the mouse pointer.
void Desktop::p_show_hint() {
    if (get_shown_hint())
        return;
    std::u16string text;
    for (Widget* widget = m_under_mouse; widget && text.empty(); widget = widget->get_parent())
        if (widget->get_hint())
            text = widget->get_hint()->get_text();
    if (text.empty())
        return;
    if (!m_hint)
        m_hint = std::make_unique<HintWindow>();
    UpdateSuspender suspender(*this);
    m_hint->set_text(std::move(text), m_last_mouse_x, m_last_mouse_y + 20,
                     {0, 0, get_width(), get_height()});
    m_hint->open(this, Modality_MODELESS);
    p_raise(m_hint.get());
    m_hint_moved = false;
    m_hint_travel = 0;
}

// A press, a wheel turn, or moving more than 49 pixels in all (the first move after the hint
// appeared does not count) closes the hint.
void Desktop::p_hint_sees(const InputEvent& a_event) {
    if (!get_shown_hint())
        return;
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
    case InputEventType_MOUSE_WHEEL:
        close_hint();
        return;
    case InputEventType_MOUSE_MOVED:
        if (m_hint_moved)
            m_hint_travel +=
                std::abs(a_event.desktop_x - m_hint_x) + std::abs(a_event.desktop_y - m_hint_y);
        m_hint_moved = true;
        m_hint_x = a_event.desktop_x;
        m_hint_y = a_event.desktop_y;
        if (m_hint_travel > 49)
            close_hint();
        return;
    default:
        return;
    }
}

void Desktop::mouse_left() {
    m_mouse_inside = false;
    close_hint();
    if (m_grab)
        return;
    InputEvent event;
    event.desktop_x = m_last_mouse_x;
    event.desktop_y = m_last_mouse_y;
    p_update_mouse_over(nullptr, event);
}

void Desktop::drop_grab() {
    Widget* lost = m_grab;
    m_grab = nullptr;
    m_grab_count = 0;
    if (lost) {
        WidgetEvent event{lost};
        lost->m_on_mouse_grab_lost.emit(event);
    }
}

void Desktop::set_windows_displayed(bool a_displayed) {
    UpdateSuspender suspender(*this);
    m_displayed = a_displayed;
    p_update_displayed();
    p_request_paint(this);
    for (Window* window : m_windows) {
        window->m_displayed = a_displayed;
        window->p_update_displayed();
        if (a_displayed)
            p_request_paint(window);
    }
    if (!a_displayed)
        drop_grab();
}

void Desktop::p_forget_widget(Widget* a_widget) {
    if (is_within(m_under_mouse, a_widget))
        m_under_mouse = nullptr;
    // A widget leaving the tree hears nothing more, not even that its grab is gone.
    if (is_within(m_grab, a_widget)) {
        m_grab = nullptr;
        m_grab_count = 0;
    }
    if (is_within(m_focus, a_widget))
        m_focus = nullptr;
}

void Desktop::p_request_paint(Window* a_window) {
    a_window->m_needs_paint = true;
    m_update_manager.request_flush();
}

void Desktop::p_invalidate(const Rect& a_rect) {
    m_dirty = m_dirty.united(a_rect);
    m_update_manager.request_flush();
}

void Desktop::flush() {
    m_update_manager.request_flush();
}

void Desktop::p_flush_now(void* a_desktop) {
    static_cast<Desktop*>(a_desktop)->p_flush_steps();
}

// Each step runs over every window, bottom to top, before the next starts; work that a step asks
// for in an earlier step runs in another round of the update manager.
void Desktop::p_flush_steps() {
    auto each_window = [this](auto&& a_work) {
        a_work(static_cast<Window&>(*this));
        for (std::size_t i = 0; i < m_windows.size(); ++i)
            a_work(*m_windows[i]);
    };
    each_window([](Window& a_window) {
        a_window.m_update_queues.drain(WidgetUpdate_DESTROY,
                                       [](Widget* a_widget) { a_widget->p_destroy_now(); });
    });
    each_window([](Window& a_window) {
        a_window.m_update_queues.drain(WidgetUpdate_RESTYLE,
                                       [](Widget* a_widget) { a_widget->p_restyle_now(); });
    });
    each_window([](Window& a_window) {
        a_window.m_update_queues.drain(WidgetUpdate_MEASURE,
                                       [](Widget* a_widget) { a_widget->p_measure_now(); });
    });
    each_window([](Window& a_window) {
        a_window.m_update_queues.drain(WidgetUpdate_PLACEMENT,
                                       [](Widget* a_widget) { a_widget->p_place_now(); });
    });
    if (m_mouse_over_stale) {
        m_mouse_over_stale = false;
        if (m_mouse_inside && !m_grab) {
            InputEvent cause;
            cause.desktop_x = m_last_mouse_x;
            cause.desktop_y = m_last_mouse_y;
            p_update_mouse_over(find_widget_at(m_last_mouse_x, m_last_mouse_y), cause);
        }
    }
    Rect dirty = m_dirty;
    m_dirty = {};
    each_window([&](Window& a_window) { p_repaint_window(a_window, dirty); });
    dirty = dirty.intersected({0, 0, get_width(), get_height()});
    if (!dirty.is_empty() && m_displayed && m_system_window)
        m_system_window->p_invalidate(dirty);
}

// The queued widgets' areas, each clipped to the content boxes of the widget's ancestors, are
// painted from the window's root so that what lies under a widget without a background shows.
// A window painted for the first time, or whose size changed, is painted whole.
void Desktop::p_repaint_window(Window& a_window, Rect& a_dirty) {
    WindowUpdateQueues& queues = a_window.m_update_queues;
    const bool shown = a_window.m_opened && a_window.is_displayed();
    if (!shown || (queues.is_empty(WidgetUpdate_REPAINT) && !a_window.m_needs_paint)) {
        queues.drain(WidgetUpdate_REPAINT,
                     [](Widget* a_widget) { a_widget->m_pending_repaint = {}; });
        return;
    }
    const Rect whole{0, 0, a_window.get_width(), a_window.get_height()};
    Bitmap& bitmap = a_window.m_bitmap;
    const bool paint_whole = a_window.m_needs_paint || bitmap.is_null() ||
                             bitmap.get_width() != whole.width ||
                             bitmap.get_height() != whole.height;
    a_window.m_needs_paint = false;
    const Rect position = &a_window == this ? Rect{} : a_window.get_rect();
    if (paint_whole) {
        queues.drain(WidgetUpdate_REPAINT,
                     [](Widget* a_widget) { a_widget->m_pending_repaint = {}; });
        bitmap.resize(whole.width, whole.height);
        if (whole.is_empty())
            return;
        Painter painter(bitmap);
        a_window.paint(painter, whole);
        m_last_painted = whole.translated(position.x, position.y);
        ++m_painted_rect_count;
        a_dirty = a_dirty.united(m_last_painted);
        return;
    }
    std::optional<Painter> painter;
    queues.drain(WidgetUpdate_REPAINT, [&](Widget* a_widget) {
        Rect visible =
            a_widget->m_pending_repaint.intersected(a_widget->get_border_box().translated(
                a_widget->get_rect_in_window().x, a_widget->get_rect_in_window().y));
        a_widget->m_pending_repaint = {};
        for (const Widget* ancestor = a_widget->get_parent(); ancestor && !visible.is_empty();
             ancestor = ancestor->get_parent()) {
            const Rect in_window = ancestor->get_rect_in_window();
            visible = visible.intersected(
                ancestor->get_content_rect().translated(in_window.x, in_window.y));
        }
        visible = visible.intersected(whole);
        if (visible.is_empty() || !a_widget->is_displayed())
            return;
        if (!painter)
            painter.emplace(bitmap);
        a_window.paint(*painter, visible);
        m_last_painted = visible.translated(position.x, position.y);
        ++m_painted_rect_count;
        a_dirty = a_dirty.united(m_last_painted);
    });
}

void Desktop::compose(Painter& a_painter, const Rect& a_update) {
    a_painter.begin_region(0, 0, get_width(), get_height());
    a_painter.clip_to(a_update);
    // The desktop's own picture replaces what was there; windows are drawn over it.
    a_painter.fill_rectangle(a_update, GdiPlus_Brush(GdiPlus_Color(0xFF000000)));
    a_painter.draw_image(get_bitmap(), a_update.x, a_update.y, a_update);
    for (Window* window : m_windows) {
        if (!window->m_opened || !window->m_displayed)
            continue;
        const Rect rect = window->get_rect();
        const Rect part = rect.intersected(a_update);
        if (!part.is_empty())
            a_painter.draw_image(window->get_bitmap(), part.x, part.y,
                                 part.translated(-rect.x, -rect.y));
    }
}

unsigned Desktop::p_add_timer(Timer* a_timer) {
    const unsigned id = m_next_timer_id++;
    m_timers[id] = a_timer;
    return id;
}

void Desktop::p_remove_timer(unsigned a_id) {
    m_timers.erase(a_id);
}

Timer* Desktop::find_timer(unsigned a_id) const {
    const auto found = m_timers.find(a_id);
    return found == m_timers.end() ? nullptr : found->second;
}

} // namespace Vexa
