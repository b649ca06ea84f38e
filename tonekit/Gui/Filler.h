#pragma once
// A horizontal value bar: a normalized value v in 0..1 filled from an origin o (0 for a value
// that starts at one end, the position of zero for one that swings both ways), a small triangle
// at the value, and a number printed over the middle. The mouse drags the value vertically
// (307 pixels are the whole range; the right button held while dragging, or a drag with the
// middle button, moves it finer), a double click snaps it to the nearest of 0, 0.5 and 1, and the
// wheel steps it.
//
// The bar knows nothing of parameters: its owner listens to the drag and value signals and draws
// extra marks through m_on_paint_marks.
// [ui-thread] Like every widget.

#include "orvo/Signals/Signal1.h"
#include "vexa/Application/StyleBehaviourFollower.h"
#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Widget/Widget.h"

#include <memory>
#include <string>

namespace Vexa {
class StyleSheet;
}

namespace Tonekit {

class Filler;

namespace FillerEvents {
struct OnValueChanged {
    Filler* filler;
    float value;
    // Set for updates from the parameter; clear for the user's changes (mouse and wheel).
    bool from_parameter;
};
struct OnDrag {
    Filler* filler;
};
struct OnPaintMarks {
    Filler* filler;
    Vexa::Painter* painter;
    // The content box in the painter's coordinates.
    Vexa::Rect content;
};
} // namespace FillerEvents

class Filler : public Vexa::Widget {
public:
    // Drag states: which button began the drag.
    static constexpr int drag_none = 0;
    static constexpr int drag_coarse = 1;
    static constexpr int drag_fine = 4;
    // Vertical pixels for the whole range.
    static constexpr float drag_range_pixels = 307.0f;
    static constexpr float fine_factor_right_button = 0.1f;
    static constexpr float fine_factor_middle_button = 0.05f;
    // A negative wheel step stands for this one.
    static constexpr float default_wheel_step = 1.0f / 128.0f;

    Filler();
    const char16_t* get_widget_class() const override { return u"Filler"; }

    float get_value() const noexcept { return m_value; }
    // Clamped to 0..1; a value below 1e-6 reached moving down snaps to 0. An unchanged value does
    // nothing; a change repaints and emits OnValueChanged with the flag.
    void set_value(float a_value, bool a_from_parameter);
    float get_origin() const noexcept { return m_origin; }
    void set_origin(float a_origin);
    bool is_inverted() const noexcept { return m_inverted; }
    void set_inverted(bool a_inverted);
    float get_display_value() const noexcept { return m_display_value; }
    void set_display_value(float a_value);
    // Negative: 1/128.
    void set_wheel_step(float a_step) noexcept { m_wheel_step = a_step; }
    float get_wheel_step() const noexcept { return m_wheel_step; }
    int get_drag_state() const noexcept { return m_drag_state; }

    void begin_drag(int a_state);
    void end_drag();

    // Whole pixels from the content's left edge: min(floor(W x a_position), W - 1).
    static int position_to_pixel(float a_position, int a_width) noexcept;
    // "%.0f" from a magnitude of 100, "%.1f" from 10, else "%.2f".
    static std::u16string format_number(float a_value);

    void set_negative_brush(const Vexa::GdiPlus_Brush& a_brush);
    void set_positive_brush(const Vexa::GdiPlus_Brush& a_brush);
    void set_value_indicator_pen(const Vexa::GdiPlus_Pen& a_pen);
    void set_signalling_indicator_pen(const Vexa::GdiPlus_Pen& a_pen);
    void set_nonsignalling_indicator_pen(const Vexa::GdiPlus_Pen& a_pen);
    const Vexa::GdiPlus_Pen& get_signalling_indicator_pen() const noexcept {
        return m_signalling_pen;
    }
    const Vexa::GdiPlus_Pen& get_nonsignalling_indicator_pen() const noexcept {
        return m_nonsignalling_pen;
    }

    // A small triangle at whole pixel x of the content: rows 0..2 pointing down from the top edge,
    // or rows H-1..H-3 pointing up from the bottom edge.
    static void draw_marker(Vexa::Painter& a_painter, const Vexa::Rect& a_content, int a_x,
                            bool a_top, const Vexa::GdiPlus_Pen& a_pen);

    Orvo::Signal1<FillerEvents::OnDrag&> m_on_drag_begin;
    Orvo::Signal1<FillerEvents::OnValueChanged&> m_on_value_changed;
    Orvo::Signal1<FillerEvents::OnDrag&> m_on_drag_end;
    Orvo::Signal1<FillerEvents::OnPaintMarks&> m_on_paint_marks;

protected:
    void measure_content(Vexa::WidgetEvents::OnMeasure& a_event) override;
    void paint_content(Vexa::Painter& a_painter) override;
    void handle_input(Vexa::InputEvent& a_event) override;

private:
    // Each returns whether the bar used the event.
    bool p_mouse_down(const Vexa::InputEvent& a_event);
    bool p_mouse_up(const Vexa::InputEvent& a_event);
    bool p_mouse_moved(const Vexa::InputEvent& a_event);
    void p_wheel(const Vexa::InputEvent& a_event);
    void p_double_click(int a_x);
    void p_on_grab_lost(Vexa::WidgetEvent& a_event);
    void p_follow_style_sheet(bool a_restyle);

    float m_value = 0.0f;
    float m_origin = 0.0f;
    bool m_inverted = false;
    float m_display_value = 0.0f;
    float m_wheel_step = -1.0f;
    int m_drag_state = drag_none;
    // The mouse buttons this bar saw go down and not yet up (1 left, 2 right, 4 middle).
    unsigned m_buttons_held = 0;
    // The buttons pressed for or during the current drag: their releases are the drag's too.
    unsigned m_drag_buttons = 0;
    int m_last_y = 0;
    Vexa::GdiPlus_Brush m_negative_brush;
    Vexa::GdiPlus_Brush m_positive_brush;
    Vexa::GdiPlus_Pen m_value_pen;
    Vexa::GdiPlus_Pen m_signalling_pen;
    Vexa::GdiPlus_Pen m_nonsignalling_pen;
    Vexa::StyleBehaviourFollower m_style_follower;
};

} // namespace Tonekit
