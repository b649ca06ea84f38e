#pragma once
// A window on the headless backend with one widget inside, and keys and mouse sent to it as the
// native window delivers them, modifiers included.

#include "HeadlessToolkit.h"

#include "vexa/Desktop/KeyCode.h"
#include "vexa/Window/Window.h"

#include <memory>
#include <string>

namespace VexaTest {

class WidgetInput : public HeadlessToolkit {
protected:
    void open(Vexa::Widget* a_widget, const Vexa::Rect& a_rect) {
        m_system = std::make_unique<Vexa::SystemWindow>(nullptr, 0);
        m_system->set_client_size(600, 400);
        m_window = std::make_unique<Vexa::Window>();
        m_window->set_geometry(0, 0, 600, 400);
        m_window->add_child(a_widget);
        a_widget->set_geometry(a_rect);
        m_window->open(m_system->get_desktop(), Vexa::Modality_MODELESS);
        m_system->show(Vexa::Modality_MODELESS);
    }
    void TearDown() override {
        m_window.reset();
        m_system.reset();
        HeadlessToolkit::TearDown();
    }
    void send(const Vexa::NativeEvent& a_event) {
        m_platform->send(*m_system->get_native_window(), a_event);
    }
    void key(Vexa::KeyCode a_key, bool a_down) {
        send(HeadlessToolkit::key(a_down ? Vexa::NativeEventType::key_down
                                         : Vexa::NativeEventType::key_up,
                                  Vexa::virtual_key_of_key_code(a_key)));
    }
    // A key pressed and released, with Shift or Ctrl held around it.
    void press(Vexa::KeyCode a_key, bool a_shift = false, bool a_control = false) {
        if (a_shift)
            key(Vexa::KeyCode_LEFT_SHIFT, true);
        if (a_control)
            key(Vexa::KeyCode_LEFT_CONTROL, true);
        key(a_key, true);
        key(a_key, false);
        if (a_control)
            key(Vexa::KeyCode_LEFT_CONTROL, false);
        if (a_shift)
            key(Vexa::KeyCode_LEFT_SHIFT, false);
    }
    // Each character as a key that types it.
    void type(std::u16string_view a_text) {
        for (char16_t c : a_text)
            send(HeadlessToolkit::key(Vexa::NativeEventType::key_down, 0, std::u16string(1, c)));
    }
    void mouse(Vexa::NativeEventType a_type, int a_x, int a_y, bool a_double = false) {
        Vexa::NativeEvent event = HeadlessToolkit::mouse(a_type, a_x, a_y);
        event.double_click = a_double;
        send(event);
    }

    std::unique_ptr<Vexa::SystemWindow> m_system;
    std::unique_ptr<Vexa::Window> m_window;
};

} // namespace VexaTest
