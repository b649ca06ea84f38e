// The X11 backend on a real (virtual) display: windows of both kinds appear, paint, take a click
// from another client, and go without a trace. (A host that destroys the editor's parent first is
// the editor ABI test's.)

// Xlib's macros (None, Bool, Status) clash with GoogleTest's names: GoogleTest comes first.
#include <gtest/gtest.h>

#include "DesktopFixture.h"

#include "tests/support/Listen.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Platform/X11/X11Platform.h"
#include "vexa/Widgets/Entry.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Timer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

using namespace Vexa;
using VexaTest::Desktops;

namespace {

// The toolkit tests both backends share, here on X11.
INSTANTIATE_TEST_SUITE_P(X11, Desktops, testing::Values(VexaTest::Backend::x11));

constexpr GdiPlus_Color blue(0xFF3A6EA5);

class ClickCounter : public Widget {
public:
    int downs = 0;
    int ups = 0;

protected:
    void handle_input(InputEvent& a_event) override {
        downs += a_event.type == InputEventType_MOUSE_DOWN;
        ups += a_event.type == InputEventType_MOUSE_UP;
    }
};

class X11Toolkit : public testing::Test {
protected:
    void SetUp() override {
        m_host = X11Platform::open_display();
        if (!m_host)
            GTEST_SKIP() << "no X display";
        Application::acquire();
        m_toolkit = &Toolkit::install(std::make_unique<X11Platform>());
        ASSERT_TRUE(m_toolkit->get_platform().can_show_windows());
    }
    void TearDown() override {
        if (!m_host)
            return;
        Application::release();
        XCloseDisplay(m_host);
    }

    bool serve_until(const std::function<bool()>& a_condition) {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!a_condition()) {
            if (std::chrono::steady_clock::now() > give_up)
                return false;
            m_toolkit->idle();
            usleep(5000);
        }
        return true;
    }
    // Whether the window's pixel, as another client sees it on the screen, shows the colour (to
    // the precision of the screen's visual: 16-bit screens keep 5 or 6 bits of each component).
    bool screen_shows(::Window a_window, int a_x, int a_y, GdiPlus_Color a_color) {
        XImage* image = XGetImage(m_host, a_window, a_x, a_y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return false;
        const unsigned long pixel = XGetPixel(image, 0, 0);
        const unsigned long masks[] = {image->red_mask, image->green_mask, image->blue_mask};
        const unsigned wanted[] = {a_color.get_red(), a_color.get_green(), a_color.get_blue()};
        XDestroyImage(image);
        for (int i = 0; i < 3; ++i) {
            const unsigned long mask = masks[i];
            const unsigned long value = (pixel & mask) >> __builtin_ctzl(mask);
            const unsigned bits = unsigned(__builtin_popcountl(mask));
            const unsigned long expected = wanted[i] >> (8 - bits);
            if (value != expected)
                return false;
        }
        return true;
    }
    bool has_child(::Window a_parent, ::Window a_child) {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        XSync(m_host, False);
        bool found = false;
        if (XQueryTree(m_host, a_parent, &root, &parent, &children, &count) && children) {
            for (unsigned i = 0; i < count; ++i)
                found = found || children[i] == a_child;
            XFree(children);
        }
        return found;
    }
    ::Window create_host_window() {
        const ::Window window = XCreateSimpleWindow(m_host, DefaultRootWindow(m_host), 0, 0, 400,
                                                    300, 0, 0, WhitePixel(m_host, 0));
        XMapWindow(m_host, window);
        XSync(m_host, False);
        return window;
    }

    Display* m_host = nullptr;
    Toolkit* m_toolkit = nullptr;
};

class X11Windows : public X11Toolkit, public testing::WithParamInterface<bool> {};

TEST_P(X11Windows, PaintTakeAClickAndCloseWithoutATrace) {
    const bool embedded = GetParam();
    const ::Window parent = embedded ? create_host_window() : DefaultRootWindow(m_host);
    auto system_window = std::make_unique<SystemWindow>(nullptr, embedded ? parent : 0);
    Vexa::Window window;
    window.set_frame({NoBorder(), GdiPlus_Brush(blue)});
    window.set_geometry(0, 0, 200, 150);
    auto* counter = new ClickCounter;
    counter->set_geometry(50, 50, 100, 50);
    window.add_child(counter);
    system_window->set_client_size(200, 150);
    if (embedded)
        system_window->set_position(20, 30);
    window.open(system_window->get_desktop(), Modality_MODELESS);
    system_window->show(Modality_MODELESS);
    const ::Window id = ::Window(system_window->get_native_window()->get_id());
    ASSERT_TRUE(has_child(parent, id));
    ASSERT_TRUE(serve_until([&] { return screen_shows(id, 10, 10, blue); }));

    if (std::system("command -v xdotool >/dev/null 2>&1") == 0) {
        const std::string click =
            "xdotool mousemove --window " + std::to_string(id) + " 100 75 click 1";
        ASSERT_EQ(std::system(click.c_str()), 0);
        EXPECT_TRUE(serve_until([&] { return counter->downs == 1 && counter->ups == 1; }));
        if (embedded) { // a click gives an embedded window the keyboard
            ::Window focus = 0;
            int revert = 0;
            XGetInputFocus(m_host, &focus, &revert);
            EXPECT_EQ(focus, id);
        }
    }

    system_window->close();
    system_window->destroy();
    m_toolkit->idle();
    EXPECT_FALSE(has_child(parent, id));
    if (embedded)
        XDestroyWindow(m_host, parent);
}

INSTANTIATE_TEST_SUITE_P(Kinds, X11Windows, testing::Values(false, true), [](const auto& a_info) {
    return a_info.param ? "ChildOfForeignParent" : "TopLevel";
});

TEST_F(X11Toolkit, ADialogRunsItsModalLoopOnTheRealClockAboveItsOwner) {
    SystemWindow owner(nullptr, 0);
    owner.show(Modality_MODELESS);
    SystemWindow dialog(&owner, 0);
    Timer timer(&dialog);
    TestSupport::listen(timer.get_tick_signal(), [&](auto&) { dialog.close(); });
    timer.start(30, true);
    // A dialog stays above its owner; a popup is placed by the toolkit, not the window manager.
    ::Window transient_for = 0;
    ASSERT_TRUE(XGetTransientForHint(m_host, ::Window(dialog.get_native_window()->get_id()),
                                     &transient_for));
    EXPECT_EQ(transient_for, ::Window(owner.get_native_window()->get_id()));
    SystemWindow popup(&owner, 0, true);
    XWindowAttributes attributes{};
    XGetWindowAttributes(m_host, ::Window(popup.get_native_window()->get_id()), &attributes);
    EXPECT_TRUE(attributes.override_redirect);
    const auto start = std::chrono::steady_clock::now();
    dialog.show(Modality_MODAL);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(25));
    EXPECT_FALSE(dialog.is_shown());
    EXPECT_TRUE(owner.is_enabled());
}

TEST_F(X11Toolkit, AMessageBoxWaitsForItsAnswerOverAnOpenWindow) {
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no xdotool";
    SystemWindow owner(nullptr, 0);
    owner.set_client_size(300, 200);
    owner.show(Modality_MODELESS);
    Timer timer(&owner);
    bool pressed = false;
    TestSupport::listen(timer.get_tick_signal(), [&](auto&) {
        // The newest shown window is the box; another client presses Enter in it.
        const auto id = SystemWindow::get_shown_windows().back()->get_native_window()->get_id();
        const std::string command = "xdotool key --window " + std::to_string(id) + " Return";
        pressed = std::system(command.c_str()) == 0;
    });
    timer.start(200, true);
    EXPECT_EQ(message_box_question(owner.get_desktop(), u"Preset", u"Overwrite it?"),
              MessageBoxResult_YES);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(SystemWindow::get_shown_windows().size(), 1u);
}

// Another client that owns the CLIPBOARD selection with a text and hands it out as UTF-8, on a
// thread of its own: the toolkit waits for the answer while it pastes.
class ClipboardOwner {
public:
    explicit ClipboardOwner(std::string a_text) : m_text(std::move(a_text)) {
        m_display = XOpenDisplay(nullptr);
        m_window =
            XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(m_display, XInternAtom(m_display, "CLIPBOARD", False), m_window,
                           CurrentTime);
        XSync(m_display, False);
        m_thread = std::thread([this] { serve(); });
    }
    ~ClipboardOwner() {
        m_stop = true;
        m_thread.join();
        XCloseDisplay(m_display);
    }

private:
    void serve() {
        const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
        while (!m_stop) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type != SelectionRequest)
                    continue;
                const XSelectionRequestEvent& request = event.xselectionrequest;
                XSelectionEvent reply{};
                reply.type = SelectionNotify;
                reply.requestor = request.requestor;
                reply.selection = request.selection;
                reply.target = request.target;
                reply.time = request.time;
                reply.property = None;
                if (request.target == utf8) {
                    XChangeProperty(
                        m_display, request.requestor, request.property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(m_text.data()), int(m_text.size()));
                    reply.property = request.property;
                }
                XSendEvent(m_display, request.requestor, False, 0,
                           reinterpret_cast<XEvent*>(&reply));
                XFlush(m_display);
            }
            usleep(2000);
        }
    }

    std::string m_text;
    Display* m_display = nullptr;
    ::Window m_window = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

TEST_F(X11Toolkit, AnEntryPastesAnotherClientsTextAndOffersItsCopyThroughTheClipboard) {
    SystemWindow system(nullptr, 0);
    system.set_client_size(300, 60);
    Vexa::Window window;
    window.set_geometry(0, 0, 300, 60);
    auto* entry = new Entry;
    window.add_child(entry);
    entry->set_geometry(10, 10, 280, 24);
    window.open(system.get_desktop(), Modality_MODELESS);
    system.show(Modality_MODELESS);
    ASSERT_TRUE(entry->set_focus(FocusReason_PROGRAM));
    NativeWindowClient& client = system.get_native_window()->get_client();
    const auto chord = [&](Vexa::KeyCode a_key) {
        for (const bool down : {true, false})
            for (Vexa::KeyCode key : {KeyCode_LEFT_CONTROL, a_key}) {
                NativeEvent event;
                event.type = down ? NativeEventType::key_down : NativeEventType::key_up;
                event.virtual_key = virtual_key_of_key_code(key);
                client.handle_native_event(event);
            }
    };
    const Vexa::KeyCode a = KeyCode_A, c = Vexa::KeyCode(KeyCode_A + 2),
                        v = Vexa::KeyCode(KeyCode_A + 21);
    {
        ClipboardOwner owner("Feedback \xE2\x88\x92 40 %");
        chord(v);
    }
    EXPECT_EQ(entry->get_text(), Orvo::WString(u"Feedback \u2212 40 %"));

    entry->set_text(u"Rate 0.35 Hz");
    chord(a);
    chord(c);
    // Another client asks for the text; the toolkit answers from its event loop.
    const Atom clipboard = XInternAtom(m_host, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(m_host, "UTF8_STRING", False);
    const Atom property = XInternAtom(m_host, "ENTRY_TEST", False);
    const ::Window requestor = create_host_window();
    XConvertSelection(m_host, clipboard, utf8, property, requestor, CurrentTime);
    XFlush(m_host);
    XEvent notify;
    ASSERT_TRUE(serve_until(
        [&] { return XCheckTypedWindowEvent(m_host, requestor, SelectionNotify, &notify); }));
    ASSERT_EQ(notify.xselection.property, property);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(m_host, requestor, property, 0, 1024, True, AnyPropertyType, &type, &format,
                       &count, &remaining, &data);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), count), "Rate 0.35 Hz");
    XFree(data);
    XDestroyWindow(m_host, requestor);
}

} // namespace
