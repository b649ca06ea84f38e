#include "tonekit/Gui/Filler.h"

#include "tonekit/Gui/FillerStyleManager.h"
#include "vexa/Application/Application.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Widgets/TextMeasure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Tonekit {

namespace {

// Teal on graphite, as the shipped sheet has it, for a bar shown before any sheet is loaded.
constexpr Vexa::GdiPlus_Color fill_color{0xFF2B8076};
constexpr Vexa::GdiPlus_Color marker_color{0xFFE4E7EB};
constexpr Vexa::GdiPlus_Color quiet_color{0xFFAAB1BB};
constexpr float snap_to_zero_below = 1e-6f;

unsigned button_bit(int a_button) {
    return a_button > 0 && a_button < 32 ? 1u << (a_button - 1) : 0u;
}

} // namespace

Filler::Filler()
    : m_negative_brush(fill_color), m_positive_brush(fill_color), m_value_pen(marker_color, 1),
      m_signalling_pen(marker_color, 1), m_nonsignalling_pen(quiet_color, 1) {
    connect(m_on_mouse_grab_lost, this, &Filler::p_on_grab_lost);
    p_follow_style_sheet(false);
}

void Filler::set_value(float a_value, bool a_from_parameter) {
    float value = std::isnan(a_value) ? 0.0f : std::clamp(a_value, 0.0f, 1.0f);
    // Dragging down in float steps would otherwise stop a hair above the end of the range.
    if (value < snap_to_zero_below && value < m_value)
        value = 0.0f;
    if (value == m_value)
        return;
    m_value = value;
    repaint();
    FillerEvents::OnValueChanged event{this, m_value, a_from_parameter};
    m_on_value_changed.emit(event);
}

void Filler::set_origin(float a_origin) {
    const float origin = std::isnan(a_origin) ? 0.0f : std::clamp(a_origin, 0.0f, 1.0f);
    if (origin == m_origin)
        return;
    m_origin = origin;
    repaint();
}

void Filler::set_inverted(bool a_inverted) {
    if (a_inverted == m_inverted)
        return;
    m_inverted = a_inverted;
    repaint();
}

void Filler::set_display_value(float a_value) {
    if (a_value == m_display_value)
        return;
    m_display_value = a_value;
    repaint();
}

void Filler::begin_drag(int a_state) {
    m_drag_state = a_state;
    FillerEvents::OnDrag event{this};
    m_on_drag_begin.emit(event);
}

void Filler::end_drag() {
    m_drag_state = drag_none;
    FillerEvents::OnDrag event{this};
    m_on_drag_end.emit(event);
}

int Filler::position_to_pixel(float a_position, int a_width) noexcept {
    return std::min(int(std::floor(float(a_width) * a_position)), a_width - 1);
}

std::u16string Filler::format_number(float a_value) {
    const float magnitude = std::fabs(a_value);
    const char* format = magnitude >= 100.0f ? "%.0f" : magnitude >= 10.0f ? "%.1f" : "%.2f";
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, double(a_value));
    return std::u16string(buffer, buffer + std::clamp(length, 0, int(sizeof buffer) - 1));
}

void Filler::set_negative_brush(const Vexa::GdiPlus_Brush& a_brush) {
    m_negative_brush = a_brush;
    repaint();
}
void Filler::set_positive_brush(const Vexa::GdiPlus_Brush& a_brush) {
    m_positive_brush = a_brush;
    repaint();
}
void Filler::set_value_indicator_pen(const Vexa::GdiPlus_Pen& a_pen) {
    m_value_pen = a_pen;
    repaint();
}
void Filler::set_signalling_indicator_pen(const Vexa::GdiPlus_Pen& a_pen) {
    m_signalling_pen = a_pen;
    repaint();
}
void Filler::set_nonsignalling_indicator_pen(const Vexa::GdiPlus_Pen& a_pen) {
    m_nonsignalling_pen = a_pen;
    repaint();
}

// --- painting ------------------------------------------------------------------------------------

void Filler::draw_marker(Vexa::Painter& a_painter, const Vexa::Rect& a_content, int a_x, bool a_top,
                         const Vexa::GdiPlus_Pen& a_pen) {
    if (a_pen.is_null() || a_content.height < 3)
        return;
    const int x = a_content.x + a_x;
    const int row = a_top ? a_content.y : a_content.y + a_content.height - 1;
    const int step = a_top ? 1 : -1;
    a_painter.draw_line(x - 2, row, x + 2, row, a_pen);
    a_painter.draw_line(x - 1, row + step, x + 1, row + step, a_pen);
    // A line of no length has no direction for its caps; the tip is one filled pixel.
    a_painter.fill_rectangle({x, row + 2 * step, 1, 1}, Vexa::GdiPlus_Brush(a_pen.get_color()));
}

void Filler::measure_content(Vexa::WidgetEvents::OnMeasure& a_event) {
    p_follow_style_sheet(true);
    const Vexa::Size text = Vexa::Painter::measure_text(u"-00.00", get_font());
    // The number must stay readable; the triangle takes three rows below it.
    Vexa::TextMeasure::add(a_event, {text.width + 4, text.height + 2});
}

void Filler::paint_content(Vexa::Painter& a_painter) {
    const Vexa::Rect content = get_content_rect();
    if (content.width <= 0 || content.height <= 0)
        return;
    const int x_value = position_to_pixel(m_value, content.width);
    const int x_origin = position_to_pixel(m_origin, content.width);
    const Vexa::GdiPlus_Brush& above = m_inverted ? m_negative_brush : m_positive_brush;
    const Vexa::GdiPlus_Brush& below = m_inverted ? m_positive_brush : m_negative_brush;
    if (m_value > m_origin)
        a_painter.fill_rectangle(
            {content.x + x_origin, content.y, x_value - x_origin + 1, content.height}, above);
    else if (m_value < m_origin)
        a_painter.fill_rectangle(
            {content.x + x_value, content.y, x_origin - x_value + 1, content.height}, below);
    draw_marker(a_painter, content, x_value, false, m_value_pen);
    FillerEvents::OnPaintMarks marks{this, &a_painter, content};
    m_on_paint_marks.emit(marks);
    a_painter.draw_text(format_number(m_display_value), content.x, content.y, content.width,
                        content.height, Vexa::TextAlignment_CENTER, Vexa::TextAlignment_MIDDLE,
                        get_font(), get_text_color());
}

// --- input ---------------------------------------------------------------------------------------

// Only what the bar uses is consumed: a right click on a bar at rest goes on to the device GUI
// (its variations menu), while every button pressed during a drag belongs to the drag.
void Filler::handle_input(Vexa::InputEvent& a_event) {
    bool used = false;
    switch (a_event.type) {
    case Vexa::InputEventType_MOUSE_DOWN:
        used = p_mouse_down(a_event);
        break;
    case Vexa::InputEventType_MOUSE_UP:
        used = p_mouse_up(a_event);
        break;
    case Vexa::InputEventType_MOUSE_MOVED:
        used = p_mouse_moved(a_event);
        break;
    case Vexa::InputEventType_MOUSE_WHEEL:
        p_wheel(a_event);
        used = true;
        break;
    default:
        break;
    }
    if (used)
        a_event.consumed = true;
}

bool Filler::p_mouse_down(const Vexa::InputEvent& a_event) {
    const unsigned bit = button_bit(a_event.button);
    const unsigned others_held = m_buttons_held;
    m_buttons_held |= bit;
    if (m_drag_state != drag_none) {
        m_drag_buttons |= bit;
        return true;
    }
    m_last_y = a_event.desktop_y;
    if (a_event.button == 1 && others_held == 0) {
        if (a_event.double_click)
            p_double_click(a_event.x - get_content_rect().x);
        else
            begin_drag(drag_coarse);
    } else if (a_event.button == drag_fine && !a_event.double_click) {
        begin_drag(drag_fine);
    } else {
        return false;
    }
    m_drag_buttons |= bit;
    return true;
}

bool Filler::p_mouse_up(const Vexa::InputEvent& a_event) {
    const unsigned bit = button_bit(a_event.button);
    m_buttons_held &= ~bit;
    const bool used = (m_drag_buttons & bit) != 0;
    m_drag_buttons &= ~bit;
    if (m_drag_state != drag_none && a_event.button == m_drag_state)
        end_drag();
    return used;
}

bool Filler::p_mouse_moved(const Vexa::InputEvent& a_event) {
    const int dy = a_event.desktop_y - m_last_y;
    m_last_y = a_event.desktop_y;
    if (m_drag_state == drag_none)
        return false;
    if (dy == 0)
        return true;
    float factor = 1.0f;
    if (m_drag_state == drag_fine)
        factor = fine_factor_middle_button;
    else if (m_buttons_held & button_bit(2))
        factor = fine_factor_right_button;
    set_value(m_value + (-float(dy) / drag_range_pixels) * factor, false);
    return true;
}

void Filler::p_wheel(const Vexa::InputEvent& a_event) {
    if (m_drag_state != drag_none)
        return;
    const float step = m_wheel_step < 0.0f ? default_wheel_step : m_wheel_step;
    const float delta = a_event.wheel_delta > 0 ? step : a_event.wheel_delta < 0 ? -step : 0.0f;
    set_value(m_value + delta, false);
}

// The ends and the middle are where a user most often wants a bar; a double click lands there
// without a drag.
void Filler::p_double_click(int a_x) {
    const int width = get_content_rect().width;
    const int right = width - 1;
    const int centre = width / 2;
    const int to_left = std::abs(a_x);
    const int to_centre = std::abs(a_x - centre);
    const int to_right = std::abs(a_x - right);
    float target = 0.5f;
    if (to_left < to_centre && to_left <= to_right)
        target = 0.0f;
    else if (to_right < to_centre)
        target = 1.0f;
    begin_drag(drag_coarse);
    set_value(target, false);
    end_drag();
}

void Filler::p_on_grab_lost(Vexa::WidgetEvent&) {
    m_buttons_held = 0;
    m_drag_buttons = 0;
    if (m_drag_state != drag_none)
        end_drag();
}

// The style manager's behaviour belongs to this class; a sheet loaded later has a registry that
// has not heard of it yet.
void Filler::p_follow_style_sheet(bool a_restyle) {
    const bool installed = m_style_follower.follow([](const Vexa::StyleRegistry& a_registry) {
        FillerStyleManager::install(a_registry);
        return true;
    });
    if (installed && a_restyle)
        request_restyle();
}

} // namespace Tonekit
