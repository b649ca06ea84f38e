#pragma once
// A push button of a message box: a bevelled face with its caption; a click (press and release
// inside) reports the button's answer.

#include "vexa/Widget/Widget.h"

#include <functional>
#include <string>

namespace Vexa {

class MessageBoxButton : public Widget {
public:
    MessageBoxButton(std::u16string a_caption, int a_answer, std::function<void(int)> a_on_click);

    int get_answer() const noexcept { return m_answer; }
    const std::u16string& get_caption() const noexcept { return m_caption; }
    static constexpr int width = 84;
    static constexpr int height = 28;

protected:
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;

private:
    std::u16string m_caption;
    int m_answer;
    std::function<void(int)> m_on_click;
    bool m_pressed = false;
};

} // namespace Vexa
