#pragma once
// A push button of a message box: a bevelled face with its caption; its action (a click: press
// and release inside) reports the button's answer. The keys stay the message box's own, so the
// button never takes the focus.

#include "vexa/Widgets/CommandButton.h"

#include <functional>
#include <string>

namespace Vexa {

class MessageBoxButton : public CommandButton {
public:
    MessageBoxButton(std::u16string a_caption, int a_answer, std::function<void(int)> a_on_click);

    int get_answer() const noexcept { return m_answer; }
    const std::u16string& get_caption() const noexcept { return m_caption; }
    static constexpr int width = 84;
    static constexpr int height = 28;

protected:
    void paint_content(Painter& a_painter) override;

private:
    void p_on_action(CommandButtonEvents::OnAction& a_event);

    std::u16string m_caption;
    int m_answer;
    std::function<void(int)> m_on_click;
};

} // namespace Vexa
