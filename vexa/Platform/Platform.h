#pragma once
// The services the toolkit needs of a windowing system. Two backends stand behind it: X11 for
// real displays and Headless for tests and screenshots (off-screen, events injected, a fake clock).

#include "vexa/Graphics/Geometry.h"
#include "vexa/Platform/NativeWindow.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vexa {

// A test's scripted answer to a pop-up menu: the events are played to the menu as if the user
// gave them (coordinates relative to the top menu); a menu still open afterwards answers the
// command identifier (0: cancelled).
struct PopupMenuAnswer {
    std::vector<NativeEvent> events;
    unsigned command_id = 0;
};

// A file dialog answered by a script: the name typed and confirmed, or Cancel.
struct FileDialogAnswer {
    // Absent for Cancel.
    std::optional<std::u16string> name;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual const char* get_name() const = 0;
    // Whether windows (and so message boxes) can be shown: a display can be reached.
    virtual bool can_show_windows() = 0;
    // Fails with an Orvo::Exception when no window can be made.
    virtual std::unique_ptr<NativeWindow> create_window(NativeWindowClient& a_client,
                                                        const NativeWindowOptions& a_options) = 0;

    // Serves one event or due timer, waiting when there is none. False once quit was posted.
    virtual bool process_next_event() = 0;
    // Serves what is pending and due without waiting (a host's idle call).
    virtual void process_pending_events() = 0;
    // The next process_next_event returns false (the main window closed).
    virtual void post_quit() = 0;

    // Milliseconds of a monotonic clock.
    virtual std::uint64_t get_time() = 0;
    // A periodic timer of the window until killed; setting an existing id restarts it.
    virtual bool set_timer(NativeWindow& a_window, unsigned a_id, unsigned a_interval) = 0;
    virtual void kill_timer(NativeWindow& a_window, unsigned a_id) = 0;

    virtual std::optional<std::u16string> get_clipboard_text() = 0;
    virtual bool set_clipboard_text(std::u16string_view a_text) = 0;

    virtual Size get_screen_size() = 0;
    // Whether a person can answer a modal window; the headless backend has only scripted answers.
    virtual bool can_wait_for_user() { return true; }
    // Answers that tests queued for message boxes; none by default.
    virtual std::optional<int> take_message_box_answer() { return std::nullopt; }
    // Answers that tests queued for pop-up menus; none by default.
    virtual std::optional<PopupMenuAnswer> take_popup_menu_answer() { return std::nullopt; }
    // Where the mouse pointer is on the screen.
    virtual std::optional<Rect> get_pointer_position() { return std::nullopt; }
    // Answers that tests queued for file dialogs; none by default.
    virtual std::optional<FileDialogAnswer> take_file_dialog_answer() { return std::nullopt; }
};

} // namespace Vexa
