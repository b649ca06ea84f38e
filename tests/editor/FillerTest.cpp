// The value bar on the headless backend: what it paints, and how mouse, wheel and value rules
// move it.

#include "tonekit/Gui/Filler.h"
#include "tests/support/Listen.h"
#include "tests/vexa/WidgetInputFixture.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Widget/InputListener.h"

#include <cmath>
#include <string>
#include <vector>

using Tonekit::Filler;
using Vexa::NativeEventType;

namespace {

constexpr Vexa::GdiPlus_Color positive{0xFFFF0000};
constexpr Vexa::GdiPlus_Color negative{0xFF0000FF};
constexpr Vexa::GdiPlus_Color marker{0xFF00FF00};
// Far from the window's edges, so that 307 pixels of drag fit above the press.
constexpr Vexa::Rect bar{10, 330, 200, 40};

class FillerTest : public VexaTest::WidgetInput {
protected:
    void SetUp() override {
        WidgetInput::SetUp();
        m_filler = new Filler;
        m_filler->set_positive_brush(Vexa::GdiPlus_Brush(positive));
        m_filler->set_negative_brush(Vexa::GdiPlus_Brush(negative));
        m_filler->set_value_indicator_pen(Vexa::GdiPlus_Pen(marker, 1));
        // As the sheet gives it: a repaint starts from the bar's own background.
        m_filler->set_background(Vexa::GdiPlus_Brush(Vexa::GdiPlus_Color(0xFF000000)));
        TestSupport::listen(m_filler->m_on_drag_begin, [this](auto&) { m_log.push_back("begin"); });
        TestSupport::listen(m_filler->m_on_value_changed, [this](auto& a_event) {
            m_log.push_back(a_event.from_parameter ? "parameter" : "user");
        });
        TestSupport::listen(m_filler->m_on_drag_end, [this](auto&) { m_log.push_back("end"); });
        open(m_filler, bar);
    }
    void button(NativeEventType a_type, int a_x, int a_y, int a_button, bool a_double = false) {
        Vexa::NativeEvent event =
            HeadlessToolkit::mouse(a_type, bar.x + a_x, bar.y + a_y, a_button);
        event.double_click = a_double;
        send(event);
    }
    void wheel(int a_delta) {
        Vexa::NativeEvent event =
            HeadlessToolkit::mouse(NativeEventType::wheel, bar.x + 5, bar.y + 5);
        event.wheel_delta = a_delta;
        send(event);
    }
    // The bar's row y as '+' (positive), '-' (negative), 'm' (marker) and '.' (anything else).
    std::string row(int a_y) {
        m_system->get_desktop()->flush();
        const Vexa::Bitmap& picture = m_system->compose({0, 0, 600, 400});
        std::string text;
        for (int x = 0; x < bar.width; ++x) {
            const Vexa::GdiPlus_Color pixel = picture.get_pixel(bar.x + x, bar.y + a_y);
            text += pixel == positive ? '+' : pixel == negative ? '-' : pixel == marker ? 'm' : '.';
        }
        return text;
    }

    Filler* m_filler = nullptr;
    std::vector<std::string> m_log;
};

// Where the row changes from one kind of pixel to another: "+0-50" is '+' from 0 to 50.
std::string runs(const std::string& a_row) {
    std::string text;
    for (std::size_t i = 0; i < a_row.size(); ++i) {
        if (a_row[i] == '.')
            continue;
        std::size_t end = i;
        while (end + 1 < a_row.size() && a_row[end + 1] == a_row[i])
            ++end;
        text += a_row[i] + std::to_string(i) + "-" + std::to_string(end) + " ";
        i = end;
    }
    return text;
}

TEST_F(FillerTest, FillRunsFromTheOriginToTheValueWithTheBrushOfItsSide) {
    struct Case {
        float value, origin;
        bool inverted;
        const char* fill;
    };
    const Case cases[] = {
        {0.25f, 0.0f, false, "+0-50 "},    {0.25f, 0.5f, false, "-50-100 "},
        {0.75f, 0.5f, false, "+100-150 "}, {0.5f, 0.5f, false, ""},
        {0.25f, 0.0f, true, "-0-50 "},     {0.25f, 0.5f, true, "+50-100 "},
        {1.0f, 0.0f, false, "+0-199 "},    {0.0f, 0.0f, false, ""},
    };
    for (const Case& c : cases) {
        m_filler->set_origin(c.origin);
        m_filler->set_inverted(c.inverted);
        m_filler->set_value(c.value, true);
        EXPECT_EQ(runs(row(5)), c.fill) << c.value << " from " << c.origin;
    }
}

TEST_F(FillerTest, ValueTriangleSitsOnTheBottomRowsAtTheValue) {
    m_filler->set_origin(0.5f);
    m_filler->set_value(0.5f, true); // no fill: only the marker shows
    EXPECT_EQ(runs(row(39)), "m98-102 ");
    EXPECT_EQ(runs(row(38)), "m99-101 ");
    EXPECT_EQ(runs(row(37)), "m100-100 ");
    EXPECT_EQ(runs(row(36)), "");
}

TEST_F(FillerTest, VerticalDragMovesByItsShareOf307PixelsTimesTheFineFactor) {
    struct Case {
        int drag_button;
        bool right_held;
        int dx, dy;
        float expected;
    };
    const Case cases[] = {
        {1, false, 0, -307, 1.0f}, {1, true, 0, -307, 0.1f}, {4, false, 0, -307, 0.05f},
        {1, false, 150, 0, 0.0f},  {1, false, 0, 307, 0.0f}, {2, false, 0, -307, 0.0f},
    };
    for (const Case& c : cases) {
        m_filler->set_value(0.0f, true);
        m_log.clear();
        button(NativeEventType::button_down, 20, 20, c.drag_button);
        if (c.right_held)
            button(NativeEventType::button_down, 20, 20, 2);
        send(HeadlessToolkit::mouse(NativeEventType::mouse_move, bar.x + 20 + c.dx,
                                    bar.y + 20 + c.dy));
        if (c.right_held)
            button(NativeEventType::button_up, 20 + c.dx, 20 + c.dy, 2);
        button(NativeEventType::button_up, 20 + c.dx, 20 + c.dy, c.drag_button);
        EXPECT_NEAR(m_filler->get_value(), c.expected, 1e-6f) << c.drag_button << " " << c.dy;
        EXPECT_EQ(m_filler->get_drag_state(), Filler::drag_none);
        const bool drags = c.drag_button != 2;
        EXPECT_EQ(m_log.size(), drags ? (c.expected > 0.0f ? 3u : 2u) : 0u);
    }
}

TEST_F(FillerTest, LeftPressWhileAnotherButtonIsHeldStartsNoDrag) {
    button(NativeEventType::button_down, 20, 20, 2);
    button(NativeEventType::button_down, 20, 20, 1);
    EXPECT_EQ(m_filler->get_drag_state(), Filler::drag_none);
    EXPECT_TRUE(m_log.empty());
}

// The device GUI hears right releases no widget took through a listener after the widgets.
TEST_F(FillerTest, RightClickOnABarAtRestIsLeftForTheGuiButNotDuringADrag) {
    int ups = 0;
    Vexa::InputListener listener(Vexa::InputListenerScope_AFTER);
    TestSupport::listen(listener.get_signal(Vexa::InputEventType_MOUSE_UP),
                        [&](Vexa::InputEvent& a_event) { ups += a_event.button == 2; });
    m_system->get_desktop()->add_input_listener(&listener);
    button(NativeEventType::button_down, 20, 20, 2);
    button(NativeEventType::button_up, 20, 20, 2);
    EXPECT_EQ(ups, 1) << "the device GUI opens its variations menu";
    button(NativeEventType::button_down, 20, 20, 1);
    button(NativeEventType::button_down, 20, 20, 2);
    button(NativeEventType::button_up, 20, 20, 1);
    button(NativeEventType::button_up, 20, 20, 2);
    EXPECT_EQ(ups, 1) << "the fine drag's right button is the bar's";
}

TEST_F(FillerTest, LosingTheMouseGrabEndsTheDrag) {
    button(NativeEventType::button_down, 20, 20, 1);
    send(HeadlessToolkit::mouse(NativeEventType::capture_lost, 0, 0, 0));
    EXPECT_EQ(m_filler->get_drag_state(), Filler::drag_none);
    send(HeadlessToolkit::mouse(NativeEventType::mouse_move, bar.x + 20, bar.y - 100));
    EXPECT_EQ(m_filler->get_value(), 0.0f);
    EXPECT_EQ(m_log, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(FillerTest, DoubleClickSnapsToTheNearestOfLeftCentreAndRightAsOneGesture) {
    const struct {
        int x;
        float expected;
    } cases[] = {{3, 0.0f}, {49, 0.0f}, {51, 0.5f}, {120, 0.5f}, {151, 1.0f}, {199, 1.0f}};
    for (const auto& c : cases) {
        m_filler->set_value(0.3f, true);
        m_log.clear();
        button(NativeEventType::button_down, c.x, 5, 1, true);
        button(NativeEventType::button_up, c.x, 5, 1);
        EXPECT_EQ(m_filler->get_value(), c.expected) << c.x;
        EXPECT_EQ(m_log, (std::vector<std::string>{"begin", "user", "end"})) << c.x;
    }
}

TEST_F(FillerTest, WheelStepsByTheStepWhateverTheDeltaAndNeverDuringADrag) {
    m_filler->set_value(0.5f, true);
    m_log.clear();
    wheel(120);
    EXPECT_EQ(m_filler->get_value(), 0.5f + 1.0f / 128.0f);
    wheel(-360);
    EXPECT_EQ(m_filler->get_value(), 0.5f);
    wheel(0);
    EXPECT_EQ(m_log, (std::vector<std::string>{"user", "user"})) << "a delta of 0 emits nothing";
    m_filler->set_wheel_step(0.25f);
    wheel(1);
    EXPECT_EQ(m_filler->get_value(), 0.75f);
    button(NativeEventType::button_down, 20, 20, 1);
    wheel(120);
    EXPECT_EQ(m_filler->get_value(), 0.75f);
}

TEST(FillerRules, SetValueClampsSnapsNearZeroGoingDownAndIgnoresTheSameValue) {
    const struct {
        float from, to, expected;
        bool emits;
    } cases[] = {
        {0.5f, 1.5f, 1.0f, true},   {0.5f, -0.2f, 0.0f, true}, {0.5f, 5e-7f, 0.0f, true},
        {0.0f, 5e-7f, 5e-7f, true}, {0.5f, 0.5f, 0.5f, false}, {0.5f, NAN, 0.0f, true},
        {1e-7f, 5e-8f, 0.0f, true},
    };
    for (const auto& c : cases) {
        Filler filler;
        filler.set_value(c.from, true);
        int emitted = 0;
        TestSupport::listen(filler.m_on_value_changed, [&](auto&) { ++emitted; });
        filler.set_value(c.to, false);
        EXPECT_EQ(filler.get_value(), c.expected) << c.from << " -> " << c.to;
        EXPECT_EQ(emitted, c.emits ? 1 : 0) << c.from << " -> " << c.to;
    }
}

TEST(FillerRules, NumberTextKeepsFewerDecimalsForLargerMagnitudes) {
    const struct {
        float value;
        const char16_t* text;
    } cases[] = {{99.999f, u"100.0"}, {100.0f, u"100"},   {-150.4f, u"-150"}, {12.34f, u"12.3"},
                 {9.999f, u"10.00"},  {-10.0f, u"-10.0"}, {0.0f, u"0.00"},    {1234.4f, u"1234"}};
    for (const auto& c : cases)
        EXPECT_EQ(Filler::format_number(c.value), c.text) << c.value;
}

} // namespace
