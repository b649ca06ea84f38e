#pragma once
// A timer of a system window: it ticks every interval (once when single-shot) while the window's
// events are served, by the host's idle calls or by a toolkit loop.

#include "orvo/Signals/Signal1.h"

namespace Vexa {

class SystemWindow;
class Timer;

struct TimerTickEvent {
    Timer* timer;
};

class Timer {
public:
    explicit Timer(SystemWindow* a_system_window);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    // Stops first when active. A refused native timer shows "SetTimer returned 0." and the timer
    // still counts as active.
    void start(unsigned a_interval, bool a_single_shot = false);
    void stop();

    bool is_active() const noexcept { return m_active; }
    bool is_single_shot() const noexcept { return m_single_shot; }
    unsigned get_id() const noexcept { return m_id; }
    unsigned get_interval() const noexcept { return m_interval; }
    Orvo::Signal1<TimerTickEvent&>& get_tick_signal() noexcept { return m_on_tick; }

    // The native timer fired.
    void p_tick();
    // The system window is going away; the timer stays inert.
    void p_detach() noexcept;

private:
    SystemWindow* m_system_window;
    unsigned m_id = 0;
    unsigned m_interval = 0;
    bool m_single_shot = false;
    bool m_active = false;
    Orvo::Signal1<TimerTickEvent&> m_on_tick;
};

} // namespace Vexa
