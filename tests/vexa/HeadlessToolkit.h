#pragma once
// A fresh application on the headless backend for each test, and short ways to inject input.

#include "tests/support/FailureMessage.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Window.h"

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace VexaTest {

class HeadlessToolkit : public testing::Test {
protected:
    void SetUp() override {
        Vexa::Application::acquire();
        auto platform = std::make_unique<Vexa::HeadlessPlatform>();
        m_platform = platform.get();
        Vexa::Toolkit::install(std::move(platform));
    }
    void TearDown() override { Vexa::Application::release(); }

    static Vexa::NativeEvent mouse(Vexa::NativeEventType a_type, int a_x, int a_y,
                                   int a_button = 1) {
        Vexa::NativeEvent event;
        event.type = a_type;
        event.x = a_x;
        event.y = a_y;
        event.button = a_button;
        return event;
    }
    static Vexa::NativeEvent key(Vexa::NativeEventType a_type, unsigned a_virtual_key,
                                 std::u16string a_text = {}) {
        Vexa::NativeEvent event;
        event.type = a_type;
        event.virtual_key = a_virtual_key;
        event.text = std::move(a_text);
        return event;
    }
    void click(Vexa::SystemWindow& a_window, int a_x, int a_y, bool a_post = false) {
        for (auto type : {Vexa::NativeEventType::button_down, Vexa::NativeEventType::button_up}) {
            if (a_post)
                m_platform->post(*a_window.get_native_window(), mouse(type, a_x, a_y));
            else
                m_platform->send(*a_window.get_native_window(), mouse(type, a_x, a_y));
        }
    }

    Vexa::HeadlessPlatform* m_platform = nullptr;
};

// A shown system window with one toolkit window (the board) filling it; a_before_board runs
// between the toolkit's start and the board's opening (a style sheet to load, say).
class HeadlessBoard : public HeadlessToolkit {
protected:
    HeadlessBoard(int a_width = 400, int a_height = 300) : m_width(a_width), m_height(a_height) {}
    virtual void before_board() {}
    void SetUp() override {
        HeadlessToolkit::SetUp();
        before_board();
        m_system = std::make_unique<Vexa::SystemWindow>(nullptr, 0);
        m_system->set_client_size(m_width, m_height);
        m_board = std::make_unique<Vexa::Window>();
        m_board->set_geometry(0, 0, m_width, m_height);
        m_board->open(m_system->get_desktop(), Vexa::Modality_MODELESS);
        m_system->show(Vexa::Modality_MODELESS);
    }
    void TearDown() override {
        m_board.reset();
        m_system.reset();
        HeadlessToolkit::TearDown();
    }

    int m_width;
    int m_height;
    std::unique_ptr<Vexa::SystemWindow> m_system;
    std::unique_ptr<Vexa::Window> m_board;
};

// The message of the failure the action raises, or "no exception".
inline std::u16string failure(const std::function<void()>& a_action) {
    return TestSupport::failure_message(a_action);
}

} // namespace VexaTest
