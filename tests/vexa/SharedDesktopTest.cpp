// Toolkit behaviour that both backends share: the headless test program runs these on the
// headless backend, the Xvfb test program on X11.

#include "DesktopFixture.h"
#include "HeadlessToolkit.h"

#include "orvo/Core/Exception.h"
#include "orvo/Signals/MethodSlot1.h"
#include "tests/support/Listen.h"
#include "vexa/Window/NormalWindow.h"

using namespace Vexa;
using VexaTest::Desktops;
using VexaTest::Probe;

namespace {

TEST_P(Desktops, MouseInputReachesTheWidgetUnderItAndFollowsTheGrab) {
    Window window;
    Probe* probe = open_with_probe(window, {50, 40, 100, 80}, {10, 10, 30, 20});

    send_mouse(NativeEventType::mouse_move, 65, 55);
    send_mouse(NativeEventType::button_down, 65, 55);
    if (headless()) {
        EXPECT_TRUE(headless()->is_captured());
    }
    send_mouse(NativeEventType::mouse_move, 250, 190); // outside, still grabbed
    send_mouse(NativeEventType::button_up, 250, 190);
    if (headless()) {
        EXPECT_FALSE(headless()->is_captured());
    }
    NativeEvent wheel;
    wheel.type = NativeEventType::wheel;
    wheel.x = 251;
    wheel.y = 190;
    wheel.wheel_delta = -120;
    send(wheel); // over the desktop: the probe hears nothing
    send_mouse(NativeEventType::mouse_move, 61, 51);
    wheel.x = 61;
    wheel.y = 51;
    send(wheel);
    send_mouse(NativeEventType::mouse_leave, 0, 0);
    EXPECT_EQ(probe->log, (std::vector<std::string>{"over", "moved 5,5", "down 5,5",
                                                    "moved 190,140", "up 190,140", "out", "over",
                                                    "moved 1,1", "wheel -120", "out"}));
}

TEST_P(Desktops, AMouseAtRestHoversOncePerRest) {
    if (!m_headless)
        GTEST_SKIP() << "needs the fake clock";
    Window window;
    Probe* probe = open_with_probe(window, {0, 0, 100, 100}, {0, 0, 100, 100});
    send_mouse(NativeEventType::mouse_move, 10, 10);
    m_headless->advance_time(SystemWindow::hover_time - 1);
    send_mouse(NativeEventType::mouse_move, 12, 10); // moving starts the rest again
    m_headless->advance_time(SystemWindow::hover_time - 1);
    EXPECT_EQ(probe->log.back(), "moved 12,10");
    m_headless->advance_time(5000);
    send_mouse(NativeEventType::mouse_leave, 0, 0);
    m_headless->advance_time(5000);
    EXPECT_EQ(probe->log,
              (std::vector<std::string>{"over", "moved 10,10", "moved 12,10", "hover", "out"}));
}

TEST_P(Desktops, KeysGoToTheFocusAndOnlyUnconsumedKeysType) {
    Window window;
    Probe* probe = open_with_probe(window, {0, 0, 100, 100}, {0, 0, 0, 0});
    m_desktop->set_focus_widget(probe);

    send_key(NativeEventType::key_down, 65, u"a");
    probe->consume_keys = true;
    send_key(NativeEventType::key_down, 66, u"b");
    send_key(NativeEventType::key_up, 36);
    EXPECT_EQ(probe->log,
              (std::vector<std::string>{"key-down 27", "string a", "key-down 28", "key-up"}));
}

TEST_P(Desktops, OpeningClosingAndActivationKeepTheOrders) {
    std::vector<Window*> closed;
    Window bottom, top, sub_a, sub_b;
    for (Window* window : {&bottom, &top, &sub_a, &sub_b}) {
        window->set_geometry(0, 0, 20, 20);
        TestSupport::listen(window->m_on_closed,
                            [&](auto& a_event) { closed.push_back(a_event.window); });
    }
    bottom.open(m_desktop, Modality_MODELESS);
    top.open(m_desktop, Modality_MODELESS);
    EXPECT_TRUE(top.is_active());
    EXPECT_EQ(m_desktop->get_windows().back(), &top);

    bottom.open(m_desktop, Modality_MODELESS); // already open: only activated, and raised
    EXPECT_TRUE(bottom.is_active());
    EXPECT_FALSE(top.is_active());
    EXPECT_EQ(m_desktop->get_windows().back(), &bottom);
    EXPECT_EQ(VexaTest::failure([&] { bottom.open(m_desktop, Modality_MODAL); }),
              u"The window is already opened but has different modality.");

    sub_a.open(&bottom, Modality_MODELESS);
    sub_b.open(&bottom, Modality_MODELESS);
    bottom.close();
    EXPECT_EQ(closed, (std::vector<Window*>{&sub_b, &sub_a, &bottom}));
    EXPECT_TRUE(top.is_active()); // the topmost remaining window takes over
    EXPECT_EQ(m_desktop->get_open_windows(), (std::vector<Window*>{&top}));

    bottom.open(m_desktop, Modality_MODELESS); // a closed window opens again
    EXPECT_TRUE(bottom.is_opened());
    EXPECT_EQ(m_desktop->get_windows().size(), 4u);
}

TEST_P(Desktops, SizeLimitsClampTheClientArea) {
    m_system->set_size_limits({320, 100}, {400, 150});
    EXPECT_EQ(m_system->get_client_size(), (Size{320, 150}));
    EXPECT_EQ(m_desktop->get_rect(), (Rect{0, 0, 320, 150}));
    m_system->set_client_size(1000, 1000); // a program's own request stays inside them too
    EXPECT_EQ(m_system->get_client_size(), (Size{400, 150}));
    if (headless()) {
        EXPECT_EQ(headless()->get_minimum_size(), (Size{320, 100}));
    }
}

TEST_P(Desktops, ASecondShowDoesNothingAndOneCloseHides) {
    m_system->show(Modality_MODELESS);
    EXPECT_TRUE(m_system->is_shown());
    m_system->close();
    EXPECT_FALSE(m_system->is_shown());
    if (headless()) {
        EXPECT_FALSE(headless()->is_visible());
    }
    m_system->show(Modality_MODELESS);
    EXPECT_TRUE(m_system->is_shown());
}

TEST_P(Desktops, WindowsAreComposedIntoTheBackBufferInStackingOrder) {
    Window lower, upper;
    lower.set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFF0000FF))});
    upper.set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFF00FF00))});
    lower.set_geometry(10, 10, 50, 50);
    upper.set_geometry(40, 40, 50, 50);
    lower.open(m_desktop, Modality_MODELESS);
    upper.open(m_desktop, Modality_MODELESS);
    const Bitmap& screen = m_system->get_back_buffer();
    EXPECT_EQ(screen.get_width(), 512); // 300 x 200 rounded up
    EXPECT_EQ(screen.get_pixel(20, 20), GdiPlus_Color(0xFF0000FF));
    EXPECT_EQ(screen.get_pixel(45, 45), GdiPlus_Color(0xFF00FF00));
    lower.open(m_desktop, Modality_MODELESS); // raised
    EXPECT_EQ(screen.get_pixel(45, 45), GdiPlus_Color(0xFF0000FF));
    lower.set_geometry(100, 10, 50, 50); // moved: the old place shows what is below
    EXPECT_EQ(screen.get_pixel(20, 20), m_desktop->get_bitmap().get_pixel(20, 20));
    EXPECT_EQ(screen.get_pixel(120, 20), GdiPlus_Color(0xFF0000FF));
}

TEST_P(Desktops, NormalWindowsCloseFromTheirButtonUnlessTheOwnerSaysNo) {
    NormalWindow window(u"Settings");
    window.set_geometry(20, 20, 200, 120);
    window.open(m_desktop, Modality_MODELESS);
    const int bar = window.get_title_bar_height();
    const int close_x = 20 + 200 - NormalWindow::border_width - bar / 2;
    const int close_y = 20 + NormalWindow::border_width + bar / 2;
    EXPECT_EQ(m_system->get_back_buffer().get_pixel(30, close_y),
              StockObjects::accent); // active bar

    bool allow = false;
    TestSupport::listen(window.m_on_close_query, [&](auto& a_query) { a_query.close = allow; });
    click(close_x, close_y);
    EXPECT_TRUE(window.is_opened());
    allow = true;
    click(close_x, close_y);
    EXPECT_FALSE(window.is_opened());
}

TEST_P(Desktops, DraggingTheLeftBorderKeepsTheRightEdgeAndTheMinimumWidth) {
    NormalWindow window;
    window.set_size_limits({150, 80}, {400, 400});
    window.set_geometry(50, 30, 200, 120);
    window.open(m_desktop, Modality_MODELESS);
    auto cursor_at = [&](int a_x, int a_y) {
        send_mouse(NativeEventType::mouse_move, a_x, a_y);
        return headless() ? headless()->get_cursor() : window.get_cursor();
    };
    EXPECT_EQ(cursor_at(51, 90), MouseCursor_SIZE_WE);
    EXPECT_EQ(cursor_at(51, 31), MouseCursor_SIZE_NWSE);
    EXPECT_EQ(cursor_at(248, 31), MouseCursor_SIZE_NESW);
    EXPECT_EQ(cursor_at(150, 149), MouseCursor_SIZE_NS);
    EXPECT_EQ(cursor_at(150, 90), MouseCursor_DEFAULT);
    send_mouse(NativeEventType::button_down, 51, 90);
    send_mouse(NativeEventType::mouse_move, 31, 90);
    EXPECT_EQ(window.get_rect(), (Rect{30, 30, 220, 120}));
    send_mouse(NativeEventType::mouse_move, 191, 90);
    send_mouse(NativeEventType::button_up, 191, 90);
    EXPECT_EQ(window.get_rect(), (Rect{100, 30, 150, 120}));

    const int bar_y = 30 + NormalWindow::border_width + 2;
    send_mouse(NativeEventType::button_down, 120, bar_y); // the title bar drags
    send_mouse(NativeEventType::mouse_move, 130, bar_y + 5);
    send_mouse(NativeEventType::button_up, 130, bar_y + 5);
    EXPECT_EQ(window.get_rect(), (Rect{110, 35, 150, 120}));
}

} // namespace
