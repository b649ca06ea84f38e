#include "DesktopFixture.h"

#include "vexa/Platform/X11/X11Platform.h"

using namespace Vexa;

namespace VexaTest {

void Probe::handle_input(InputEvent& a_event) {
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

void Desktops::SetUp() {
    Application::acquire();
    m_acquired = true;
    if (GetParam() == Backend::headless) {
        auto platform = std::make_unique<HeadlessPlatform>();
        m_headless = platform.get();
        Toolkit::install(std::move(platform));
    } else if (!Toolkit::install(std::make_unique<X11Platform>())
                    .get_platform()
                    .can_show_windows()) {
        GTEST_SKIP() << "no X display";
    }
    m_system = std::make_unique<SystemWindow>(nullptr, 0);
    m_system->set_client_size(300, 200);
    m_system->show(Modality_MODELESS);
    m_desktop = m_system->get_desktop();
}

void Desktops::TearDown() {
    m_system.reset();
    if (m_acquired)
        Application::release();
}

void Desktops::send_mouse(NativeEventType a_type, int a_x, int a_y, int a_button) {
    NativeEvent event;
    event.type = a_type;
    event.x = a_x;
    event.y = a_y;
    event.button = a_button;
    send(event);
}

void Desktops::send_key(NativeEventType a_type, unsigned a_virtual_key, std::u16string a_text) {
    NativeEvent event;
    event.type = a_type;
    event.virtual_key = a_virtual_key;
    event.text = std::move(a_text);
    send(event);
}

void Desktops::click(int a_x, int a_y) {
    send_mouse(NativeEventType::button_down, a_x, a_y);
    send_mouse(NativeEventType::button_up, a_x, a_y);
}

Probe* Desktops::open_with_probe(Vexa::Window& a_window, const Rect& a_window_rect,
                                 const Rect& a_probe_rect) {
    a_window.set_geometry(a_window_rect);
    auto* probe = new Probe;
    probe->set_geometry(a_probe_rect);
    a_window.add_child(probe);
    a_window.open(m_desktop, Modality_MODELESS);
    return probe;
}

} // namespace VexaTest
