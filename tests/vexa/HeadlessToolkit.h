#pragma once
// A fresh application on the headless backend for each test, and short ways to inject input.

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Window/SystemWindow.h"

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

} // namespace VexaTest
