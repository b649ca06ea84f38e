#include "vexa/Widgets/CommandButton.h"

#include "vexa/Desktop/Desktop.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/ClickTracker.h"
#include "vexa/Window/Timer.h"

#include <algorithm>

namespace Vexa {

CommandButton::CommandButton() {
    StandardWidgetStyles::ensure_installed();
    // The press belongs to the button: its parent must not start a drag or take the click.
    ClickTracker::claim_mouse(*this);
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
    connect(m_on_focus_out, this, &CommandButton::p_on_focus_out);
}

CommandButton::~CommandButton() = default;

void CommandButton::activate() {
    p_emit(0);
}

void CommandButton::set_repeating(bool a_repeating) {
    m_repeating = a_repeating;
    if (!a_repeating)
        p_stop_timer();
}

void CommandButton::set_repeat_timing(unsigned a_initial_delay, unsigned a_interval) {
    m_initial_delay = a_initial_delay;
    // A zero interval would tick on every pass of the loop and starve everything else.
    m_repeat_interval = std::max(1u, a_interval);
}

void CommandButton::set_pushed_contents_offset(ContentsOffset a_offset) {
    if (a_offset == m_pushed_offset)
        return;
    m_pushed_offset = a_offset;
    if (m_pushed)
        repaint();
}

Rect CommandButton::get_contents_rect() const {
    Rect contents = get_content_rect();
    if (m_pushed) {
        contents.x += m_pushed_offset.x;
        contents.y += m_pushed_offset.y;
    }
    return contents;
}

void CommandButton::handle_input(InputEvent& a_event) {
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
        if (a_event.button != 1 || m_held_by_key)
            return;
        a_event.consumed = true;
        if (can_focus(FocusReason_CLICK))
            set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
        m_held_by_mouse = true;
        p_press();
        return;
    case InputEventType_MOUSE_MOVED:
        if (m_held_by_mouse) {
            a_event.consumed = true;
            // Sliding off a held button lets it go up; sliding back pushes it again.
            p_set_pushed(a_event.x >= 0 && a_event.y >= 0 && a_event.x < get_width() &&
                         a_event.y < get_height());
        }
        return;
    case InputEventType_MOUSE_UP:
        if (a_event.button != 1 || !m_held_by_mouse)
            return;
        a_event.consumed = true;
        m_held_by_mouse = false;
        p_release(m_pushed && a_event.x >= 0 && a_event.y >= 0 && a_event.x < get_width() &&
                  a_event.y < get_height());
        return;
    case InputEventType_KEYBOARD_DOWN:
        if (a_event.key == KeyCode_SPACE) {
            a_event.consumed = true;
            if (!a_event.repeat && !m_held_by_mouse && !m_held_by_key) {
                m_held_by_key = true;
                p_press();
            }
        } else if (a_event.key == KeyCode_ENTER && !m_held_by_mouse && !m_held_by_key) {
            a_event.consumed = true;
            activate();
        }
        return;
    case InputEventType_KEYBOARD_UP:
        if (a_event.key == KeyCode_SPACE && m_held_by_key) {
            a_event.consumed = true;
            m_held_by_key = false;
            p_release(true);
        }
        return;
    default:
        return;
    }
}

void CommandButton::paint_content(Painter& a_painter) {
    paint_contents(a_painter, get_contents_rect());
    ClickTracker::paint_focus(*this, a_painter);
}

void CommandButton::paint_contents(Painter&, const Rect&) {}

void CommandButton::p_set_pushed(bool a_pushed) {
    if (a_pushed == m_pushed)
        return;
    m_pushed = a_pushed;
    // The "pushed" switch picks the sheet's case.
    request_restyle();
    repaint();
}

void CommandButton::p_press() {
    p_set_pushed(true);
    if (!m_repeating)
        return;
    m_repeat_ticks = 0;
    p_emit(0);
    Desktop* desktop = get_desktop();
    if (!desktop || !desktop->get_system_window() || is_being_destroyed())
        return;
    if (!m_timer) {
        m_timer = std::make_unique<Timer>(desktop->get_system_window());
        m_timer->get_tick_signal().connect(
            new Orvo::MethodSlot1<void(TimerTickEvent&), CommandButton>(this,
                                                                        &CommandButton::p_on_tick));
    }
    m_timer->start(m_initial_delay, true);
}

void CommandButton::p_release(bool a_act) {
    p_stop_timer();
    const bool was_pushed = m_pushed;
    p_set_pushed(false);
    if (a_act && was_pushed && !m_repeating)
        p_emit(0);
}

void CommandButton::p_emit(int a_repeat_tick) {
    CommandButtonEvents::OnAction event{this, a_repeat_tick};
    m_on_action.emit(event);
}

void CommandButton::p_on_tick(TimerTickEvent&) {
    if (!is_enabled() || !is_displayed() || is_being_destroyed()) {
        m_held_by_mouse = m_held_by_key = false;
        p_release(false);
        return;
    }
    if (m_timer->is_single_shot())
        m_timer->start(m_repeat_interval);
    // Held but slid off: the timer runs on, the button does not act until it is pushed again.
    if (!m_pushed)
        return;
    ++m_repeat_ticks;
    p_emit(m_repeat_ticks);
}

void CommandButton::p_stop_timer() {
    if (m_timer)
        m_timer->stop();
}

// Space let go elsewhere never reaches the button: losing the focus lets it up without acting.
void CommandButton::p_on_focus_out(WidgetEvents::OnFocusOut&) {
    if (!m_held_by_key)
        return;
    m_held_by_key = false;
    p_release(false);
}

} // namespace Vexa
