#pragma once
// A device with a small GUI of its own, for the editor's tests: the GUI asks for sizes the tests
// can change, records the keys, texts and wheel turns it receives and counts its refreshes.

#include "tests/tonekit/TestDevice.h"
#include "tonekit/Gui/DeviceGui.h"
#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Font.h"
#include "vexa/Graphics/Painter.h"

#include <string>
#include <vector>

namespace EditorTest {

class TestGui : public Tonekit::DeviceGui {
public:
    using DeviceGui::DeviceGui;

    // min w, max w, req w, min h, max h, req h
    void set_sizes(int a_min_w, int a_max_w, int a_req_w, int a_min_h, int a_max_h, int a_req_h) {
        m_sizes = {a_min_w, a_max_w, a_req_w, a_min_h, a_max_h, a_req_h};
        request_measure();
    }
    void refresh() override { ++m_refreshes; }

    int m_refreshes = 0;
    std::vector<Vexa::KeyCode> m_keys;
    std::u16string m_text;
    std::vector<int> m_wheel;
    int m_wheel_x = -1;
    int m_wheel_y = -1;

protected:
    void measure_content(Vexa::WidgetEvents::OnMeasure& a_event) override {
        a_event.minimum.width += m_sizes[0];
        a_event.maximum.width = a_event.extras.width + m_sizes[1];
        a_event.requested.width += m_sizes[2];
        a_event.minimum.height += m_sizes[3];
        a_event.maximum.height = a_event.extras.height + m_sizes[4];
        a_event.requested.height += m_sizes[5];
    }
    void handle_input(Vexa::InputEvent& a_event) override {
        switch (a_event.type) {
        case Vexa::InputEventType_KEYBOARD_DOWN:
            // Letters are the GUI's shortcuts; every other key is left to typing.
            if (a_event.key >= Vexa::KeyCode_A && a_event.key < Vexa::KeyCode_A + 26) {
                m_keys.push_back(a_event.key);
                a_event.consumed = true;
            }
            break;
        case Vexa::InputEventType_KEYBOARD_STRING:
            m_text += a_event.text;
            a_event.consumed = true;
            break;
        case Vexa::InputEventType_MOUSE_WHEEL:
            m_wheel.push_back(a_event.wheel_delta);
            m_wheel_x = a_event.x;
            m_wheel_y = a_event.y;
            a_event.consumed = true;
            break;
        default:
            break;
        }
    }
    void paint_content(Vexa::Painter& a_painter) override {
        a_painter.fill_rectangle({12, 36, get_width() - 24, get_height() - 48},
                                 Vexa::GdiPlus_Brush(Vexa::GdiPlus_Color(0xFF3A6EA5)));
        a_painter.draw_text(u"Editor test", 12, 6, get_width() - 24, 24, Vexa::TextAlignment_LEFT,
                            Vexa::TextAlignment_MIDDLE,
                            Vexa::GdiPlus_Font(u"DejaVu Sans", 14, Vexa::FontSizeUnit_PIXEL),
                            Vexa::GdiPlus_Color(0xFF202020));
    }

private:
    std::array<int, 6> m_sizes{200, 800, 360, 120, 400, 200};
};

class EditorTestDevice : public TonekitTest::RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    bool provides_gui() const override { return m_with_gui; }
    Tonekit::DeviceGui* create_gui_object() override {
        ++m_guis_made;
        return m_with_gui ? new TestGui(*this) : nullptr;
    }
    bool m_with_gui = true;
    int m_guis_made = 0;
};

} // namespace EditorTest
