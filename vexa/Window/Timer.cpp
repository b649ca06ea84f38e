#include "vexa/Window/Timer.h"

#include "orvo/Core/Assert.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/SystemWindow.h"

namespace Vexa {

Timer::Timer(SystemWindow* a_system_window) : m_system_window(a_system_window) {
    ORVO_ASSERT(a_system_window && a_system_window->get_desktop());
    m_id = a_system_window->get_desktop()->p_add_timer(this);
}

Timer::~Timer() {
    stop();
    if (m_system_window && m_system_window->get_desktop())
        m_system_window->get_desktop()->p_remove_timer(m_id);
}

void Timer::start(unsigned a_interval, bool a_single_shot) {
    stop();
    m_interval = a_interval;
    m_single_shot = a_single_shot;
    NativeWindow* native = m_system_window ? m_system_window->get_native_window() : nullptr;
    if (!native || !Toolkit::get().get_platform().set_timer(*native, m_id, a_interval))
        message_box_information(nullptr, u"", u"SetTimer returned 0.");
    m_active = true;
}

void Timer::stop() {
    if (!m_active)
        return;
    m_active = false;
    NativeWindow* native = m_system_window ? m_system_window->get_native_window() : nullptr;
    if (native)
        Toolkit::get().get_platform().kill_timer(*native, m_id);
}

void Timer::p_tick() {
    if (!m_active)
        return;
    if (m_single_shot)
        stop();
    TimerTickEvent event{this};
    m_on_tick.emit(event);
}

void Timer::p_detach() noexcept {
    m_active = false;
    m_system_window = nullptr;
}

} // namespace Vexa
