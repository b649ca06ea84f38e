#pragma once
// One system window with its desktop, on the headless backend or on X11: the toolkit tests that
// both backends share run on this fixture, once per backend (the X11 run in the Xvfb test
// program). Input goes to the native window's client exactly as each backend delivers it.

#include <gtest/gtest.h>

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Platform/Headless/HeadlessWindow.h"
#include "vexa/Window/SystemWindow.h"

#include <memory>
#include <string>
#include <vector>

namespace VexaTest {

enum class Backend { headless, x11 };

// Records what reaches it and consumes the types it is told to.
class Probe : public Vexa::Widget {
public:
    std::vector<std::string> log;
    bool consume_keys = false;

protected:
    void handle_input(Vexa::InputEvent& a_event) override;
};

class Desktops : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
    void TearDown() override;

    void send(const Vexa::NativeEvent& a_event) {
        m_system->get_native_window()->get_client().handle_native_event(a_event);
    }
    void send_mouse(Vexa::NativeEventType a_type, int a_x, int a_y, int a_button = 1);
    void send_key(Vexa::NativeEventType a_type, unsigned a_virtual_key, std::u16string a_text = {});
    void click(int a_x, int a_y);
    // Opens the window at `a_window_rect` with a probe inside it at `a_probe_rect`.
    Probe* open_with_probe(Vexa::Window& a_window, const Vexa::Rect& a_window_rect,
                           const Vexa::Rect& a_probe_rect);
    // The headless native window, for what only it records; null on X11.
    Vexa::HeadlessWindow* headless() const {
        return dynamic_cast<Vexa::HeadlessWindow*>(m_system->get_native_window());
    }

    bool m_acquired = false;
    Vexa::HeadlessPlatform* m_headless = nullptr;
    std::unique_ptr<Vexa::SystemWindow> m_system;
    Vexa::Desktop* m_desktop = nullptr;
};

} // namespace VexaTest
