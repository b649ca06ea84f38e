#pragma once
// The window of a message box: the text, and a row of buttons below it (Yes and No, or OK). A
// button closes the window with its answer; Enter chooses the first button, Escape the last.

#include "vexa/Window/NormalWindow.h"

#include <memory>
#include <string>
#include <vector>

namespace Vexa {

class SystemWindow;
class Timer;

class MessageBoxWindow : public NormalWindow {
public:
    MessageBoxWindow(std::u16string a_caption, std::u16string a_text, bool a_question);
    ~MessageBoxWindow() override;

    // The answer given, MessageBoxResult_NONE while there is none.
    int get_result() const noexcept { return m_result; }
    void answer(int a_result);
    // The window size that shows the whole text and the buttons.
    Size get_preferred_size() const;
    // A test's scripted answer, given from the loop at the next timer turn, as a click would be.
    void answer_later(SystemWindow* a_system_window, int a_result);
    // Closing the box closes the native window that holds it (a box of its own).
    void set_closes_system_window(bool a_closes) noexcept { m_closes_system_window = a_closes; }

protected:
    void handle_input(InputEvent& a_event) override;
    void after_close() override;

private:
    void p_on_scripted_answer(struct TimerTickEvent& a_event);

    std::vector<std::u16string> m_lines;
    std::vector<int> m_answers;
    int m_result = 0;
    int m_scripted_result = 0;
    bool m_closes_system_window = false;
    std::unique_ptr<Timer> m_timer;
};

} // namespace Vexa
