#pragma once
// A push button: pressed with mouse button 1 (or Space while focused) it shows the "pushed"
// switch and acts when released over it; Enter acts at once. A repeating button acts as soon as it
// is pressed and again on every tick of a timer while it stays pushed: the first tick after the
// initial delay, the next ones at the repeat interval. While pushed, its contents move by
// "pushed_contents_offset". Derived buttons paint their contents in paint_contents.

#include "vexa/Widget/Widget.h"
#include "vexa/Widgets/StandardWidgetStyles.h"

#include <memory>

namespace Vexa {

class CommandButton;
class Timer;
struct TimerTickEvent;

namespace CommandButtonEvents {
struct OnAction {
    CommandButton* button;
    // 0 for the press (repeating) or the click; n for the n-th repeat of the current press.
    int repeat_tick;
};
} // namespace CommandButtonEvents

class CommandButton : public Widget {
public:
    static constexpr unsigned default_initial_delay = 400; // milliseconds
    static constexpr unsigned default_repeat_interval = 50;

    CommandButton();
    ~CommandButton() override;
    const char16_t* get_widget_class() const override { return u"CommandButton"; }

    bool is_pushed() const noexcept { return m_pushed; }
    // Shows the pushed look (and its switch) without a press: nothing acts and nothing repeats.
    void set_pushed(bool a_pushed) { p_set_pushed(a_pushed); }
    // Emits OnAction as a click does.
    void activate();

    void set_repeating(bool a_repeating);
    bool is_repeating() const noexcept { return m_repeating; }
    void set_repeat_timing(unsigned a_initial_delay, unsigned a_interval);
    unsigned get_initial_delay() const noexcept { return m_initial_delay; }
    unsigned get_repeat_interval() const noexcept { return m_repeat_interval; }
    // Timer ticks of the current (or last) press that acted.
    int get_repeat_tick_count() const noexcept { return m_repeat_ticks; }

    void set_pushed_contents_offset(ContentsOffset a_offset);
    ContentsOffset get_pushed_contents_offset() const noexcept { return m_pushed_offset; }
    // The content box, moved by the pushed offset while pushed.
    Rect get_contents_rect() const;

    Orvo::Signal1<CommandButtonEvents::OnAction&> m_on_action;

protected:
    void handle_input(InputEvent& a_event) override;
    void paint_content(Painter& a_painter) override;
    virtual void paint_contents(Painter& a_painter, const Rect& a_contents);

private:
    void p_set_pushed(bool a_pushed);
    void p_press();
    void p_release(bool a_act);
    void p_emit(int a_repeat_tick);
    void p_on_tick(TimerTickEvent& a_event);
    void p_stop_timer();
    void p_on_focus_out(WidgetEvents::OnFocusOut& a_event);

    bool m_pushed = false;
    bool m_held_by_mouse = false;
    bool m_held_by_key = false;
    bool m_repeating = false;
    unsigned m_initial_delay = default_initial_delay;
    unsigned m_repeat_interval = default_repeat_interval;
    int m_repeat_ticks = 0;
    ContentsOffset m_pushed_offset;
    std::unique_ptr<Timer> m_timer;
};

} // namespace Vexa
