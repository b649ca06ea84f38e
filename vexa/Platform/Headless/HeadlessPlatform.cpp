#include "vexa/Platform/Headless/HeadlessPlatform.h"

#include "orvo/Core/Exception.h"
#include "vexa/Platform/Headless/HeadlessWindow.h"

#include <algorithm>

namespace Vexa {

HeadlessPlatform::HeadlessPlatform(Size a_screen) : m_screen(a_screen) {}

HeadlessPlatform::~HeadlessPlatform() = default;

std::unique_ptr<NativeWindow>
HeadlessPlatform::create_window(NativeWindowClient& a_client,
                                const NativeWindowOptions& a_options) {
    auto window = std::make_unique<HeadlessWindow>(*this, a_client, a_options, m_next_id++);
    m_windows.push_back(window.get());
    return window;
}

void HeadlessPlatform::p_window_destroyed(HeadlessWindow* a_window) {
    std::erase(m_windows, a_window);
    std::erase_if(m_queue,
                  [a_window](const Posted& a_posted) { return a_posted.window == a_window; });
    m_timers.kill_all(a_window);
}

void HeadlessPlatform::post(NativeWindow& a_window, const NativeEvent& a_event) {
    m_queue.push_back({&a_window, a_event});
}

void HeadlessPlatform::send(NativeWindow& a_window, const NativeEvent& a_event) {
    a_window.get_client().handle_native_event(a_event);
}

bool HeadlessPlatform::p_fire_due_timer() {
    const auto due = m_timers.take_due(m_now);
    if (!due)
        return false;
    NativeEvent event;
    event.type = NativeEventType::timer;
    event.timer_id = due->id;
    send(*due->window, event);
    return true;
}

void HeadlessPlatform::advance_time(std::uint64_t a_milliseconds) {
    const std::uint64_t end = m_now + a_milliseconds;
    while (true) {
        const auto next = m_timers.get_next_due();
        if (!next || *next > end)
            break;
        m_now = std::max(m_now, *next);
        p_fire_due_timer();
    }
    m_now = end;
}

bool HeadlessPlatform::process_next_event() {
    if (m_quit) {
        m_quit = false;
        return false;
    }
    if (!m_queue.empty()) {
        const Posted posted = m_queue.front();
        m_queue.pop_front();
        send(*posted.window, posted.event);
        return true;
    }
    if (const auto next = m_timers.get_next_due()) {
        m_now = std::max(m_now, *next);
        p_fire_due_timer();
        return true;
    }
    throw Orvo::Exception(Orvo::WString(u"Nothing is left to serve: the loop would wait forever."));
}

void HeadlessPlatform::process_pending_events() {
    while (!m_queue.empty() && !m_quit) {
        const Posted posted = m_queue.front();
        m_queue.pop_front();
        send(*posted.window, posted.event);
    }
    while (p_fire_due_timer()) {
    }
}

bool HeadlessPlatform::set_timer(NativeWindow& a_window, unsigned a_id, unsigned a_interval) {
    m_timers.set(&a_window, a_id, a_interval, m_now);
    return true;
}

void HeadlessPlatform::kill_timer(NativeWindow& a_window, unsigned a_id) {
    m_timers.kill(&a_window, a_id);
}

bool HeadlessPlatform::set_clipboard_text(std::u16string_view a_text) {
    m_clipboard = std::u16string(a_text);
    return true;
}

std::optional<int> HeadlessPlatform::take_message_box_answer() {
    if (m_answers.empty())
        return std::nullopt;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<PopupMenuAnswer> HeadlessPlatform::take_popup_menu_answer() {
    if (m_popup_answers.empty())
        return std::nullopt;
    PopupMenuAnswer answer = std::move(m_popup_answers.front());
    m_popup_answers.pop_front();
    return answer;
}

std::optional<FileDialogAnswer> HeadlessPlatform::take_file_dialog_answer() {
    if (m_file_dialog_answers.empty())
        return std::nullopt;
    FileDialogAnswer answer = std::move(m_file_dialog_answers.front());
    m_file_dialog_answers.pop_front();
    return answer;
}

} // namespace Vexa
