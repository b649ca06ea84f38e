#include "vexa/Widgets/CheckBox.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/ClickTracker.h"
#include "vexa/Widgets/StandardWidgetStyles.h"
#include "vexa/Widgets/TextMeasure.h"

namespace Vexa {

namespace {
constexpr int cross_size = 4;
}

CheckBox::CheckBox() {
    StandardWidgetStyles::ensure_installed();
    ClickTracker::claim_mouse(*this);
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
}

void CheckBox::set_checked(bool a_checked) {
    if (a_checked == m_checked)
        return;
    m_checked = a_checked;
    // The "checked" switch picks the sheet's case.
    request_restyle();
    repaint();
    CheckBoxEvents::OnChanged event{this, m_checked};
    m_on_changed.emit(event);
}

void CheckBox::set_crossmark_padding(int a_padding) {
    if (a_padding == m_crossmark_padding)
        return;
    m_crossmark_padding = a_padding;
    request_measure();
    repaint();
}

void CheckBox::set_crossmark_pen(const GdiPlus_Pen& a_pen) {
    m_crossmark_pen = a_pen;
    repaint();
}

void CheckBox::measure_content(WidgetEvents::OnMeasure& a_event) {
    const int side = 2 * m_crossmark_padding + cross_size;
    TextMeasure::add(a_event, {side, side});
}

void CheckBox::handle_input(InputEvent& a_event) {
    if (ClickTracker::track(*this, a_event, m_held))
        set_checked(!m_checked);
}

void CheckBox::paint_content(Painter& a_painter) {
    if (m_checked) {
        const Rect box = get_border_box();
        const int p = m_crossmark_padding;
        const int left = box.x + p, top = box.y + p;
        const int right = box.x + box.width - p - 1, bottom = box.y + box.height - p - 1;
        if (right > left && bottom > top) {
            const GdiPlus_Pen pen = m_crossmark_pen.is_null() || !is_enabled()
                                        ? GdiPlus_Pen(get_text_color(), 2)
                                        : m_crossmark_pen;
            SmoothingScope smoothing(a_painter);
            a_painter.draw_line(left, top, right, bottom, pen);
            a_painter.draw_line(left, bottom, right, top, pen);
        }
    }
    ClickTracker::paint_focus(*this, a_painter);
}

} // namespace Vexa
