#include "vexa/Window/MessageBoxWindow.h"

#include "orvo/Signals/MethodSlot1.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/MessageBoxButton.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Timer.h"

#include <algorithm>

namespace Vexa {

namespace {

constexpr int margin = 18;
constexpr int gap = 10;

int line_height() {
    return Painter::measure_text(u"Ay", Toolkit::get().get_stock().default_font).height + 3;
}

// The text lines over the right-aligned row of buttons.
class MessageBoxPanel : public Widget {
public:
    static constexpr GdiPlus_Color built_in_background{0xFFF7F6F3};

    explicit MessageBoxPanel(const std::vector<std::u16string>& a_lines) : m_lines(a_lines) {
        set_frame({NoBorder(), GdiPlus_Brush(built_in_background)});
    }
    const char16_t* get_widget_class() const override { return u"MessageBoxPanel"; }

protected:
    void paint_content(Painter& a_painter) override {
        const int height = line_height();
        for (std::size_t i = 0; i < m_lines.size(); ++i)
            a_painter.draw_text(m_lines[i], margin, margin + int(i) * height,
                                get_width() - 2 * margin, height, TextAlignment_LEFT,
                                TextAlignment_MIDDLE, get_font(), get_text_color());
        // A quiet band behind the buttons, in the built-in look only: a sheet's panel is one calm
        // surface.
        if (get_frame().background.get_color() != built_in_background)
            return;
        const int band = MessageBoxButton::height + 2 * gap;
        a_painter.fill_rectangle({0, get_height() - band, get_width(), band},
                                 GdiPlus_Brush(GdiPlus_Color(0xFFE9E6E0)));
        a_painter.draw_line(0, get_height() - band, get_width() - 1, get_height() - band,
                            GdiPlus_Pen(GdiPlus_Color(0xFFD6D2CA), 0));
    }
    void resized() override {
        int x = get_width() - margin;
        const auto& buttons = get_children();
        for (auto button = buttons.rbegin(); button != buttons.rend(); ++button) {
            x -= MessageBoxButton::width;
            (*button)->set_geometry(x, get_height() - gap - MessageBoxButton::height,
                                    MessageBoxButton::width, MessageBoxButton::height);
            x -= gap;
        }
    }

private:
    std::vector<std::u16string> m_lines;
};

std::vector<std::u16string> split_lines(std::u16string_view a_text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = a_text.find(u'\n', start);
        lines.emplace_back(
            a_text.substr(start, end == std::u16string_view::npos ? end : end - start));
        if (end == std::u16string_view::npos)
            return lines;
        start = end + 1;
    }
}

} // namespace

MessageBoxWindow::MessageBoxWindow(std::u16string a_caption, std::u16string a_text, bool a_question)
    : NormalWindow(std::move(a_caption)), m_lines(split_lines(a_text)) {
    set_movable(false);
    auto* panel = new MessageBoxPanel(m_lines);
    auto on_click = [this](int a_answer) { answer(a_answer); };
    if (a_question) {
        m_answers = {MessageBoxResult_YES, MessageBoxResult_NO};
        panel->add_child(new MessageBoxButton(u"Yes", MessageBoxResult_YES, on_click));
        panel->add_child(new MessageBoxButton(u"No", MessageBoxResult_NO, on_click));
    } else {
        m_answers = {MessageBoxResult_OK};
        panel->add_child(new MessageBoxButton(u"OK", MessageBoxResult_OK, on_click));
    }
    set_client(panel);
}

MessageBoxWindow::~MessageBoxWindow() = default;

Size MessageBoxWindow::get_preferred_size() const {
    int text_width = 0;
    for (const auto& line : m_lines)
        text_width = std::max(
            text_width, Painter::measure_text(line, Toolkit::get().get_stock().default_font).width);
    const int buttons = int(m_answers.size()) * (MessageBoxButton::width + gap) - gap;
    const int width = std::max({text_width, buttons, 220}) + 2 * margin;
    const int height =
        margin + int(m_lines.size()) * line_height() + margin + MessageBoxButton::height + 2 * gap;
    return size_for_client(width, height);
}

void MessageBoxWindow::answer(int a_result) {
    m_result = a_result;
    close();
}

void MessageBoxWindow::after_close() {
    if (!m_closes_system_window || !get_desktop())
        return;
    if (SystemWindow* system_window = get_desktop()->get_system_window())
        system_window->close();
}

void MessageBoxWindow::handle_input(InputEvent& a_event) {
    if (a_event.type == InputEventType_KEYBOARD_DOWN && !m_answers.empty()) {
        if (a_event.key == KeyCode_ENTER || a_event.key == KeyCode_SPACE) {
            a_event.consumed = true;
            answer(m_answers.front());
            return;
        }
        if (a_event.key == KeyCode_ESCAPE) {
            a_event.consumed = true;
            answer(m_answers.back());
            return;
        }
    }
    NormalWindow::handle_input(a_event);
}

void MessageBoxWindow::answer_later(SystemWindow* a_system_window, int a_result) {
    m_scripted_result = a_result;
    m_timer = std::make_unique<Timer>(a_system_window);
    m_timer->get_tick_signal().connect(
        new Orvo::MethodSlot1<void(TimerTickEvent&), MessageBoxWindow>(
            this, &MessageBoxWindow::p_on_scripted_answer));
    m_timer->start(0, true);
}

void MessageBoxWindow::p_on_scripted_answer(TimerTickEvent&) {
    answer(m_scripted_result);
}

} // namespace Vexa
