#pragma once
// The toolkit without a display: off-screen windows, events that tests inject, a fake clock that
// only moves when told to (or when a loop has nothing else to do), message boxes answered from a
// queue, file dialogs too, an in-memory clipboard.

#include "vexa/Platform/Platform.h"
#include "vexa/Platform/TimerTable.h"

#include <deque>
#include <vector>

namespace Vexa {

class HeadlessWindow;

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(Size a_screen = {1280, 800});
    ~HeadlessPlatform() override;

    // Test controls.
    // Queues an event for the window; loops serve it in order.
    void post(NativeWindow& a_window, const NativeEvent& a_event);
    // Hands the event to the window now.
    void send(NativeWindow& a_window, const NativeEvent& a_event);
    // Moves the clock on, firing every timer that falls due on the way, in time order.
    void advance_time(std::uint64_t a_milliseconds);
    void push_message_box_answer(int a_answer) { m_answers.push_back(a_answer); }
    void push_popup_menu_answer(PopupMenuAnswer a_answer) {
        m_popup_answers.push_back(std::move(a_answer));
    }
    void set_pointer_position(int a_x, int a_y) { m_pointer = Rect{a_x, a_y, 0, 0}; }
    // The next file dialog confirms this name, as if typed; every answer is one confirmation.
    void push_file_dialog_answer(std::u16string a_name) {
        m_file_dialog_answers.push_back({std::move(a_name)});
    }
    void push_file_dialog_cancel() { m_file_dialog_answers.push_back({std::nullopt}); }
    const std::vector<HeadlessWindow*>& get_windows() const noexcept { return m_windows; }
    std::size_t get_timer_count() const noexcept { return m_timers.size(); }

    // Platform
    const char* get_name() const override { return "headless"; }
    bool can_show_windows() override { return true; }
    bool can_wait_for_user() override { return false; }
    std::unique_ptr<NativeWindow> create_window(NativeWindowClient& a_client,
                                                const NativeWindowOptions& a_options) override;
    // Serves the next queued event; with none, moves the clock to the next timer. With neither,
    // nothing could ever end the loop: fails instead of hanging.
    bool process_next_event() override;
    void process_pending_events() override;
    void post_quit() override { m_quit = true; }
    std::uint64_t get_time() override { return m_now; }
    bool set_timer(NativeWindow& a_window, unsigned a_id, unsigned a_interval) override;
    void kill_timer(NativeWindow& a_window, unsigned a_id) override;
    std::optional<std::u16string> get_clipboard_text() override { return m_clipboard; }
    bool set_clipboard_text(std::u16string_view a_text) override;
    Size get_screen_size() override { return m_screen; }
    std::optional<int> take_message_box_answer() override;
    std::optional<PopupMenuAnswer> take_popup_menu_answer() override;
    std::optional<Rect> get_pointer_position() override { return m_pointer; }
    std::optional<FileDialogAnswer> take_file_dialog_answer() override;

    void p_window_destroyed(HeadlessWindow* a_window);

private:
    struct Posted {
        NativeWindow* window;
        NativeEvent event;
    };
    bool p_fire_due_timer();

    Size m_screen;
    std::vector<HeadlessWindow*> m_windows;
    std::deque<Posted> m_queue;
    std::deque<int> m_answers;
    std::deque<PopupMenuAnswer> m_popup_answers;
    std::optional<Rect> m_pointer;
    std::deque<FileDialogAnswer> m_file_dialog_answers;
    TimerTable m_timers;
    std::optional<std::u16string> m_clipboard;
    std::uint64_t m_now = 0;
    std::uint64_t m_next_id = 1;
    bool m_quit = false;
};

} // namespace Vexa
