#include "HeadlessToolkit.h"

#include "orvo/Core/Exception.h"
#include "orvo/Signals/MethodSlot1.h"
#include "vexa/Application/Clipboard.h"
#include "vexa/Desktop/KeyCode.h"
#include "vexa/Platform/Headless/HeadlessWindow.h"
#include "vexa/Window/NormalWindow.h"

#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::HeadlessToolkit;

namespace {

// Records what reaches it and consumes the types it is told to.
class Probe : public Widget {
public:
    std::vector<std::string> log;
    bool consume_keys = false;

protected:
    void handle_input(InputEvent& a_event) override {
        static const char* names[] = {"key-down", "string", "key-up", "down", "hover", "-",
                                      "moved",    "out",    "over",   "up",   "wheel"};
        std::string entry = names[a_event.type];
        if (a_event.type == InputEventType_MOUSE_DOWN || a_event.type == InputEventType_MOUSE_UP ||
            a_event.type == InputEventType_MOUSE_MOVED)
            entry += " " + std::to_string(a_event.x) + "," + std::to_string(a_event.y);
        if (a_event.type == InputEventType_KEYBOARD_DOWN)
            entry += " " + std::to_string(a_event.key);
        if (a_event.type == InputEventType_KEYBOARD_STRING)
            entry += " " + std::string(a_event.text.begin(), a_event.text.end());
        if (a_event.type == InputEventType_MOUSE_WHEEL)
            entry += " " + std::to_string(a_event.wheel_delta);
        log.push_back(entry);
        if (a_event.type != InputEventType_MOUSE_OVER && a_event.type != InputEventType_MOUSE_OUT)
            a_event.consumed = a_event.type > InputEventType_KEYBOARD_UP || consume_keys;
    }
};

class Desktops : public HeadlessToolkit {
protected:
    void SetUp() override {
        HeadlessToolkit::SetUp();
        m_system = std::make_unique<SystemWindow>(nullptr, 0);
        m_system->set_client_size(300, 200);
        m_system->show(Modality_MODELESS);
        m_desktop = m_system->get_desktop();
    }
    void TearDown() override {
        m_system.reset();
        HeadlessToolkit::TearDown();
    }
    void send(const NativeEvent& a_event) {
        m_platform->send(*m_system->get_native_window(), a_event);
    }
    // Opens the window at `a_window_rect` with a probe inside it at `a_probe_rect`.
    Probe* open_with_probe(Window& a_window, const Rect& a_window_rect, const Rect& a_probe_rect) {
        a_window.set_geometry(a_window_rect);
        auto* probe = new Probe;
        probe->set_geometry(a_probe_rect);
        a_window.add_child(probe);
        a_window.open(m_desktop, Modality_MODELESS);
        return probe;
    }

    std::unique_ptr<SystemWindow> m_system;
    Desktop* m_desktop = nullptr;
};

struct KeyCase {
    unsigned virtual_key;
    int key_code;
};

class KeyTable : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, MapsVirtualKeysBothWays) {
    EXPECT_EQ(key_code_of_virtual_key(GetParam().virtual_key), GetParam().key_code);
    if (GetParam().key_code != 0) {
        EXPECT_EQ(virtual_key_of_key_code(GetParam().key_code), GetParam().virtual_key);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, KeyTable,
                         testing::Values(KeyCase{8, 1}, KeyCase{13, 3}, KeyCase{36, 9},
                                         KeyCase{35, 10}, KeyCase{37, 11}, KeyCase{40, 14},
                                         KeyCase{46, 16}, KeyCase{48, 17}, KeyCase{57, 26},
                                         KeyCase{65, 27}, KeyCase{90, 52}, KeyCase{96, 53},
                                         KeyCase{107, 64}, KeyCase{108, 0}, KeyCase{109, 65},
                                         KeyCase{111, 67}, KeyCase{112, 68}, KeyCase{135, 91},
                                         KeyCase{160, 92}, KeyCase{165, 97}, KeyCase{0, 0},
                                         KeyCase{166, 0}, KeyCase{255, 0}, KeyCase{47, 0}));

TEST(KeyTableWhole, EveryKeyCodeComesBackFromItsVirtualKey) {
    for (int code = 1; code < KeyCode_ENUM_SIZE; ++code)
        EXPECT_EQ(key_code_of_virtual_key(virtual_key_of_key_code(code)), code);
}

TEST_F(Desktops, MouseInputReachesTheWidgetUnderItAndFollowsTheGrab) {
    Window window;
    Probe* probe = open_with_probe(window, {50, 40, 100, 80}, {10, 10, 30, 20});

    send(mouse(NativeEventType::mouse_move, 65, 55));
    send(mouse(NativeEventType::button_down, 65, 55));
    EXPECT_TRUE(static_cast<HeadlessWindow*>(m_system->get_native_window())->is_captured());
    send(mouse(NativeEventType::mouse_move, 250, 190)); // outside, still grabbed
    send(mouse(NativeEventType::button_up, 250, 190));
    EXPECT_FALSE(static_cast<HeadlessWindow*>(m_system->get_native_window())->is_captured());
    NativeEvent wheel = mouse(NativeEventType::wheel, 251, 190);
    wheel.wheel_delta = -120;
    send(wheel); // over the desktop: the probe hears nothing
    send(mouse(NativeEventType::mouse_move, 61, 51));
    wheel.x = 61;
    wheel.y = 51;
    send(wheel);
    send(mouse(NativeEventType::mouse_leave, 0, 0));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"over", "moved 5,5", "down 5,5",
                                                    "moved 190,140", "up 190,140", "out", "over",
                                                    "moved 1,1", "wheel -120", "out"}));
}

TEST_F(Desktops, AMouseAtRestHoversOncePerRest) {
    Window window;
    Probe* probe = open_with_probe(window, {0, 0, 100, 100}, {0, 0, 100, 100});
    send(mouse(NativeEventType::mouse_move, 10, 10));
    m_platform->advance_time(SystemWindow::hover_time - 1);
    send(mouse(NativeEventType::mouse_move, 12, 10)); // moving starts the rest again
    m_platform->advance_time(SystemWindow::hover_time - 1);
    EXPECT_EQ(probe->log.back(), "moved 12,10");
    m_platform->advance_time(5000);
    send(mouse(NativeEventType::mouse_leave, 0, 0));
    m_platform->advance_time(5000);
    EXPECT_EQ(probe->log,
              (std::vector<std::string>{"over", "moved 10,10", "moved 12,10", "hover", "out"}));
}

TEST_F(Desktops, KeysGoToTheFocusAndOnlyUnconsumedKeysType) {
    Window window;
    Probe* probe = open_with_probe(window, {0, 0, 100, 100}, {0, 0, 0, 0});
    m_desktop->set_focus_widget(probe);

    send(key(NativeEventType::key_down, 65, u"a"));
    probe->consume_keys = true;
    send(key(NativeEventType::key_down, 66, u"b"));
    send(key(NativeEventType::key_up, 36));
    EXPECT_EQ(probe->log,
              (std::vector<std::string>{"key-down 27", "string a", "key-down 28", "key-up"}));
}

TEST_F(Desktops, OpeningClosingAndActivationKeepTheOrders) {
    std::vector<Window*> closed;
    struct Recorder {
        std::vector<Window*>* list;
        void on_closed(WindowEvents::OnClosed& a_event) { list->push_back(a_event.window); }
    } recorder{&closed};
    Window bottom, top, sub_a, sub_b;
    for (Window* window : {&bottom, &top, &sub_a, &sub_b}) {
        window->set_geometry(0, 0, 20, 20);
        window->m_on_closed.connect(new Orvo::MethodSlot1<void(WindowEvents::OnClosed&), Recorder>(
            &recorder, &Recorder::on_closed));
    }
    bottom.open(m_desktop, Modality_MODELESS);
    top.open(m_desktop, Modality_MODELESS);
    EXPECT_TRUE(top.is_active());
    EXPECT_EQ(m_desktop->get_windows().back(), &top);

    bottom.open(m_desktop, Modality_MODELESS); // already open: only activated, and raised
    EXPECT_TRUE(bottom.is_active());
    EXPECT_FALSE(top.is_active());
    EXPECT_EQ(m_desktop->get_windows().back(), &bottom);
    try {
        bottom.open(m_desktop, Modality_MODAL);
        ADD_FAILURE() << "a different modality must be refused";
    } catch (const Orvo::Exception& e) {
        EXPECT_EQ(e.get_message(), u"The window is already opened but has different modality.");
    }

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

TEST_F(Desktops, ASecondShowDoesNothingAndOneCloseHides) {
    m_system->show(Modality_MODELESS);
    EXPECT_TRUE(m_system->is_shown());
    m_system->close();
    EXPECT_FALSE(m_system->is_shown());
    EXPECT_FALSE(static_cast<HeadlessWindow*>(m_system->get_native_window())->is_visible());
    m_system->show(Modality_MODELESS);
    EXPECT_TRUE(m_system->is_shown());
}

TEST_F(Desktops, WindowsAreComposedIntoTheBackBufferInStackingOrder) {
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

TEST_F(Desktops, NormalWindowsCloseFromTheirButtonUnlessTheOwnerSaysNo) {
    NormalWindow window(u"Settings");
    window.set_geometry(20, 20, 200, 120);
    window.open(m_desktop, Modality_MODELESS);
    const int bar = window.get_title_bar_height();
    const int close_x = 20 + 200 - NormalWindow::border_width - bar / 2;
    const int close_y = 20 + NormalWindow::border_width + bar / 2;
    EXPECT_EQ(m_system->get_back_buffer().get_pixel(30, close_y),
              StockObjects::accent); // active bar

    struct Veto {
        bool allow = false;
        void on_query(NormalWindowEvents::OnCloseQuery& a_query) { a_query.close = allow; }
    } veto;
    window.m_on_close_query.connect(
        new Orvo::MethodSlot1<void(NormalWindowEvents::OnCloseQuery&), Veto>(&veto,
                                                                             &Veto::on_query));
    click(*m_system, close_x, close_y);
    EXPECT_TRUE(window.is_opened());
    veto.allow = true;
    click(*m_system, close_x, close_y);
    EXPECT_FALSE(window.is_opened());
}

struct HitCase {
    int x, y;
    unsigned mask;
};

class NormalWindowEdges : public testing::TestWithParam<HitCase> {};

TEST_P(NormalWindowEdges, HitTestGivesTheEdgeMask) {
    Application::acquire();
    Toolkit::install(std::make_unique<HeadlessPlatform>());
    {
        NormalWindow window;
        window.set_geometry(0, 0, 200, 100);
        EXPECT_EQ(window.hit_test(GetParam().x, GetParam().y), GetParam().mask);
    }
    Application::release();
}

INSTANTIATE_TEST_SUITE_P(Points, NormalWindowEdges,
                         testing::Values(HitCase{100, 50, 0}, HitCase{0, 50, ResizeEdge_LEFT},
                                         HitCase{199, 50, ResizeEdge_RIGHT},
                                         HitCase{100, 0, ResizeEdge_TOP},
                                         HitCase{100, 99, ResizeEdge_BOTTOM},
                                         HitCase{0, 0, ResizeEdge_LEFT | ResizeEdge_TOP},
                                         HitCase{11, 0, ResizeEdge_LEFT | ResizeEdge_TOP},
                                         HitCase{12, 0, ResizeEdge_TOP},
                                         HitCase{199, 90, ResizeEdge_RIGHT | ResizeEdge_BOTTOM},
                                         HitCase{-1, 50, 0}));

TEST_F(Desktops, DraggingTheLeftBorderKeepsTheRightEdgeAndTheMinimumWidth) {
    NormalWindow window;
    window.set_size_limits({150, 80}, {400, 400});
    window.set_geometry(50, 30, 200, 120);
    window.open(m_desktop, Modality_MODELESS);
    auto cursor_at = [&](int a_x, int a_y) {
        send(mouse(NativeEventType::mouse_move, a_x, a_y));
        return static_cast<HeadlessWindow*>(m_system->get_native_window())->get_cursor();
    };
    EXPECT_EQ(cursor_at(51, 90), MouseCursor_SIZE_WE);
    EXPECT_EQ(cursor_at(51, 31), MouseCursor_SIZE_NWSE);
    EXPECT_EQ(cursor_at(248, 31), MouseCursor_SIZE_NESW);
    EXPECT_EQ(cursor_at(150, 149), MouseCursor_SIZE_NS);
    EXPECT_EQ(cursor_at(150, 90), MouseCursor_DEFAULT);
    send(mouse(NativeEventType::button_down, 51, 90));
    send(mouse(NativeEventType::mouse_move, 31, 90));
    EXPECT_EQ(window.get_rect(), (Rect{30, 30, 220, 120}));
    send(mouse(NativeEventType::mouse_move, 191, 90));
    send(mouse(NativeEventType::button_up, 191, 90));
    EXPECT_EQ(window.get_rect(), (Rect{100, 30, 150, 120}));

    const int bar_y = 30 + NormalWindow::border_width + 2;
    send(mouse(NativeEventType::button_down, 120, bar_y)); // the title bar drags
    send(mouse(NativeEventType::mouse_move, 130, bar_y + 5));
    send(mouse(NativeEventType::button_up, 130, bar_y + 5));
    EXPECT_EQ(window.get_rect(), (Rect{110, 35, 150, 120}));
}

TEST_F(Desktops, TheClipboardKeepsText) {
    Orvo::WString text;
    EXPECT_FALSE(Clipboard::get_text(text));
    ASSERT_TRUE(Clipboard::set_text(u"Wet 42 %"));
    ASSERT_TRUE(Clipboard::get_text(text));
    EXPECT_EQ(text, u"Wet 42 %");
}

} // namespace
