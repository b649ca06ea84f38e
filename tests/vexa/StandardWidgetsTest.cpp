// The standard widgets on the headless backend: what they measure, the switches that restyle
// them, auto-repeat on the fake clock, the scroll bar's mapping between handle and value, and
// keyboard activation.

#include "DesktopFixture.h"

#include "tests/support/Listen.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/ArrowCommandButton.h"
#include "vexa/Widgets/CheckBox.h"
#include "vexa/Widgets/HorizontalScrollBar.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Widgets/ScrollBarButton.h"
#include "vexa/Widgets/ScrollBarHandle.h"
#include "vexa/Widgets/ScrollBarTrough.h"
#include "vexa/Widgets/SpinButton.h"
#include "vexa/Widgets/Text.h"
#include "vexa/Widgets/TextCommandButton.h"
#include "vexa/Widgets/TextToggleButton.h"
#include "vexa/Widgets/VerticalScrollBar.h"
#include "vexa/Window/Window.h"

#include <functional>

using namespace Vexa;
using VexaTest::Desktops;

namespace {

constexpr std::u16string_view sheet =
    u"class CommandButton; padding: [4px 8px]; background: solid_brush(#111111);\n"
    u"  pushed_contents_offset: [2px 3px];\n"
    u"  subclass default; case pushed; +pushed; background: solid_brush(#222222); end case;\n"
    u"  end subclass;\n"
    u"end class;\n"
    u"class ArrowCommandButton; arrow_length: 5px; arrow_breadth: 9px; end class;\n"
    u"class ToggleButton; pushed_contents_offset_x: 1px;\n"
    u"  subclass default; case toggled; +toggled; background: solid_brush(#333333); end case;\n"
    u"  end subclass;\n"
    u"end class;\n"
    u"class CheckBox; crossmark_padding: 5px;\n"
    u"  subclass default; case checked; +checked; background: solid_brush(#444444); end case;\n"
    u"  end subclass;\n"
    u"end class;\n"
    u"class ScrollBar; button_size: 20px; minimum_slider_size: 30px; end class;\n";

unsigned background(const Widget& a_widget) {
    return a_widget.get_frame().background.get_color().get_argb() & 0xFFFFFF;
}

class StandardWidgets : public Desktops {
protected:
    void SetUp() override {
        Desktops::SetUp();
        Application::get()->load_style_sheet_text(sheet);
        m_window.set_geometry(0, 0, 300, 200);
        m_window.open(m_desktop, Modality_MODELESS);
    }
    template <class W>
    W* place(W* a_widget, const Rect& a_rect) {
        m_window.add_child(a_widget);
        a_widget->set_geometry(a_rect);
        m_desktop->flush();
        return a_widget;
    }
    void key(NativeEventType a_type, KeyCode a_key) {
        send_key(a_type, virtual_key_of_key_code(a_key));
    }
    Window m_window;
};

INSTANTIATE_TEST_SUITE_P(Headless, StandardWidgets, testing::Values(VexaTest::Backend::headless));

TEST_P(StandardWidgets, MeasureTheirContentsPlusTheBoxExtras) {
    const GdiPlus_Font& font = Label().get_font();
    const Size hello = Painter::measure_text(u"Hello", font);
    const Size line = Painter::measure_text(u"", font);
    struct Case {
        const char* name;
        std::function<Widget*()> make;
        Size minimum;
        int maximum_width = widget_size_limit;
    };
    const Case cases[] = {
        {"label", [] { return new Label(u"Hello"); }, hello},
        {"text button: plus padding",
         [] { return new TextCommandButton(u"Hello"); },
         {hello.width + 16, hello.height + 8}},
        {"up arrow", [] { return new ArrowCommandButton(ArrowDirection_UP); }, {9, 5}},
        {"left arrow", [] { return new ArrowCommandButton(ArrowDirection_LEFT); }, {5, 9}},
        {"check box: twice the padding and a stroke", [] { return new CheckBox; }, {14, 14}},
        {"text lines", [] { return new Text(u"Hello\n\nHello"); }, {hello.width, 3 * line.height}},
        {"vertical scroll bar", [] { return new VerticalScrollBar; }, {20, 70}, 20},
        {"spin button stacks its arrows", [] { return new SpinButton; }, {9, 2 * 5}},
    };
    for (const Case& c : cases) {
        Widget* widget = place(c.make(), {0, 0, 10, 10});
        const WidgetRequestedSizes& sizes = widget->get_requested_sizes();
        EXPECT_EQ(sizes.get_minimum_width(), c.minimum.width) << c.name;
        EXPECT_EQ(sizes.get_minimum_height(), c.minimum.height) << c.name;
        EXPECT_EQ(sizes.get_maximum_width(), c.maximum_width) << c.name;
        widget->destroy();
    }
    // Wrapped text breaks between words and stays within its width (when its words do).
    auto* wrapped = place(new Text(u"one two three four five six", 60), {0, 0, 10, 10});
    EXPECT_GT(wrapped->get_lines().size(), 1u);
    EXPECT_LE(wrapped->get_requested_sizes().get_minimum_width(), 60);
}

TEST_P(StandardWidgets, SwitchesRestyleWhilePushedToggledAndChecked) {
    int actions = 0, toggles = 0, checks = 0;
    auto* button = place(new TextCommandButton(u"Go"), {10, 10, 80, 30});
    TestSupport::listen(button->m_on_action, [&](auto&) { ++actions; });
    EXPECT_EQ(background(*button), 0x111111u);
    send_mouse(NativeEventType::button_down, 20, 20);
    EXPECT_TRUE(button->is_pushed());
    EXPECT_EQ(background(*button), 0x222222u);
    EXPECT_EQ(button->get_contents_rect().x, button->get_content_rect().x + 2);
    EXPECT_EQ(button->get_contents_rect().y, button->get_content_rect().y + 3);
    EXPECT_EQ(actions, 0);
    send_mouse(NativeEventType::mouse_move, 150, 150); // slid off: up again
    EXPECT_EQ(background(*button), 0x111111u);
    send_mouse(NativeEventType::mouse_move, 20, 20);
    send_mouse(NativeEventType::button_up, 20, 20);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(background(*button), 0x111111u);
    // Released away from it: no action.
    send_mouse(NativeEventType::button_down, 20, 20);
    send_mouse(NativeEventType::mouse_move, 150, 150);
    send_mouse(NativeEventType::button_up, 150, 150);
    EXPECT_EQ(actions, 1);

    auto* toggle = place(new TextToggleButton(u"On"), {10, 50, 80, 30});
    TestSupport::listen(toggle->m_on_toggled, [&](auto&) { ++toggles; });
    click(20, 60);
    EXPECT_TRUE(toggle->is_toggled());
    EXPECT_EQ(background(*toggle), 0x333333u);
    EXPECT_EQ(toggle->get_contents_rect().x, toggle->get_content_rect().x + 1);
    click(20, 60);
    EXPECT_FALSE(toggle->is_toggled());
    EXPECT_EQ(toggles, 2);

    auto* box = place(new CheckBox, {10, 90, 20, 20});
    TestSupport::listen(box->m_on_changed, [&](auto&) { ++checks; });
    EXPECT_EQ(box->get_crossmark_padding(), 5);
    click(15, 95);
    EXPECT_TRUE(box->is_checked());
    EXPECT_EQ(background(*box), 0x444444u);
    box->set_checked(true); // no change, no signal
    EXPECT_EQ(checks, 1);
}

TEST_P(StandardWidgets, ARepeatingButtonTicksAfterTheDelayThenAtTheInterval) {
    int actions = 0, last_tick = -1;
    auto* button = place(new TextCommandButton(u"+"), {10, 10, 40, 30});
    button->set_repeating(true);
    TestSupport::listen(button->m_on_action, [&](auto& a_event) {
        ++actions;
        last_tick = a_event.repeat_tick;
    });
    const unsigned delay = button->get_initial_delay(), interval = button->get_repeat_interval();
    send_mouse(NativeEventType::button_down, 20, 20);
    EXPECT_EQ(actions, 1); // at once
    m_headless->advance_time(delay - 1);
    EXPECT_EQ(actions, 1);
    m_headless->advance_time(1);
    EXPECT_EQ(actions, 2);
    m_headless->advance_time(3 * interval);
    EXPECT_EQ(actions, 5);
    EXPECT_EQ(last_tick, 4);
    EXPECT_EQ(button->get_repeat_tick_count(), 4);
    send_mouse(NativeEventType::mouse_move, 200, 150); // off the button: held, silent
    m_headless->advance_time(5 * interval);
    EXPECT_EQ(actions, 5);
    send_mouse(NativeEventType::mouse_move, 20, 20);
    m_headless->advance_time(interval);
    EXPECT_EQ(actions, 6);
    send_mouse(NativeEventType::button_up, 20, 20);
    EXPECT_EQ(actions, 6); // a repeating button acted on the press, not the release
    m_headless->advance_time(10 * interval);
    EXPECT_EQ(actions, 6);
    EXPECT_EQ(m_headless->get_timer_count(), 0u);
}

struct ExtentCase {
    int minimum, maximum, page, value, trough;
    int offset, length;
};

TEST_P(StandardWidgets, TheHandleShowsThePageAndTheValue) {
    const ExtentCase cases[] = {
        {0, 100, 100, 0, 160, 0, 80},      // half the whole is visible
        {0, 100, 100, 50, 160, 40, 80},    // half way
        {0, 100, 100, 100, 160, 80, 80},   // at the end
        {0, 10000, 10, 5000, 160, 65, 30}, // never below the minimum slider size
        {0, 0, 10, 0, 160, 0, 160},        // nothing to scroll: the whole trough
        {-50, 50, 100, -50, 100, 0, 50},   // an interval below zero
        {0, 100, 100, 0, 20, 0, 20},       // a trough shorter than the minimum
    };
    auto* bar = place(new VerticalScrollBar, {0, 0, 20, 200});
    for (const ExtentCase& c : cases) {
        bar->set_range(c.minimum, c.maximum);
        bar->set_page_size(c.page);
        bar->set_value(c.value);
        const ScrollBarHandleExtent extent = bar->get_handle_extent(c.trough);
        EXPECT_EQ(extent.offset, c.offset) << c.maximum << " " << c.value;
        EXPECT_EQ(extent.length, c.length) << c.maximum << " " << c.value;
    }
}

TEST_P(StandardWidgets, AScrollBarMovesByDragTroughButtonsAndWheelWithinItsRange) {
    // 200 high: buttons of 20 at both ends, a trough of 160 between them.
    auto* bar = place(new VerticalScrollBar, {100, 0, 20, 200});
    bar->set_range(0, 100);
    bar->set_page_size(100);
    bar->set_step(5);
    m_desktop->flush();
    EXPECT_EQ(bar->get_trough()->get_rect(), (Rect{0, 20, 20, 160}));
    EXPECT_EQ(bar->get_handle()->get_rect(), (Rect{0, 0, 20, 80}));

    // Taken 10 pixels into the handle and dragged down by 40: half way.
    send_mouse(NativeEventType::button_down, 110, 30);
    send_mouse(NativeEventType::mouse_move, 110, 70);
    EXPECT_EQ(bar->get_value(), 50);
    EXPECT_EQ(bar->get_handle()->get_rect().y, 40);
    send_mouse(NativeEventType::mouse_move, 110, 400); // far past the end
    EXPECT_EQ(bar->get_value(), 100);
    send_mouse(NativeEventType::button_up, 110, 400);

    click(110, 30); // in the trough, before the handle: a page back, clamped at the start
    EXPECT_EQ(bar->get_value(), 0);
    bar->set_page_size(30);
    click(110, 170); // after the handle: a page on
    EXPECT_EQ(bar->get_value(), 30);
    click(110, 190); // the lower button
    EXPECT_EQ(bar->get_value(), 35);
    click(110, 5); // the upper button
    EXPECT_EQ(bar->get_value(), 30);

    NativeEvent wheel;
    wheel.type = NativeEventType::wheel;
    wheel.x = 110;
    wheel.y = 100;
    wheel.wheel_delta = 60; // half a notch: nothing yet
    send(wheel);
    EXPECT_EQ(bar->get_value(), 30);
    send(wheel); // the second half: three steps back
    EXPECT_EQ(bar->get_value(), 15);
    wheel.wheel_delta = -120 * 20;
    send(wheel);
    EXPECT_EQ(bar->get_value(), 100);

    // A bound model drives the handle.
    Wwm1_Int model;
    model.set_interval(0, 100);
    bar->set_model(&model);
    model.set(0);
    m_desktop->flush();
    EXPECT_EQ(bar->get_handle()->get_rect().y, 0);
    bar->set_model(nullptr);
}

TEST_P(StandardWidgets, FocusedButtonsActOnSpaceAndEnter) {
    int actions = 0, toggles = 0;
    auto* button = place(new TextCommandButton(u"Go"), {10, 10, 80, 30});
    TestSupport::listen(button->m_on_action, [&](auto&) { ++actions; });
    ASSERT_TRUE(button->set_focus(FocusReason_PROGRAM));
    key(NativeEventType::key_down, KeyCode_SPACE);
    EXPECT_TRUE(button->is_pushed());
    EXPECT_EQ(background(*button), 0x222222u);
    EXPECT_EQ(actions, 0);
    key(NativeEventType::key_up, KeyCode_SPACE);
    EXPECT_FALSE(button->is_pushed());
    EXPECT_EQ(actions, 1);
    key(NativeEventType::key_down, KeyCode_ENTER);
    EXPECT_EQ(actions, 2);
    // Space held while the focus moves away: it comes up without acting.
    auto* toggle = place(new TextToggleButton(u"On"), {10, 50, 80, 30});
    TestSupport::listen(toggle->m_on_toggled, [&](auto&) { ++toggles; });
    key(NativeEventType::key_down, KeyCode_SPACE);
    ASSERT_TRUE(toggle->set_focus(FocusReason_PROGRAM));
    EXPECT_FALSE(button->is_pushed());
    EXPECT_EQ(actions, 2);
    key(NativeEventType::key_down, KeyCode_SPACE);
    EXPECT_TRUE(toggle->is_toggled());
    EXPECT_EQ(toggles, 1);
}

} // namespace
