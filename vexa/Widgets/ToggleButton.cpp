#include "vexa/Widgets/ToggleButton.h"

#include "vexa/Widgets/ClickTracker.h"

namespace Vexa {

ToggleButton::ToggleButton() {
    StandardWidgetStyles::ensure_installed();
    ClickTracker::claim_mouse(*this);
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
}

void ToggleButton::set_toggled(bool a_toggled) {
    if (a_toggled == m_toggled)
        return;
    m_toggled = a_toggled;
    // The "toggled" switch picks the sheet's case.
    request_restyle();
    repaint();
    ToggleButtonEvents::OnToggled event{this, m_toggled};
    m_on_toggled.emit(event);
}

void ToggleButton::set_pushed_contents_offset(ContentsOffset a_offset) {
    m_pushed_offset = a_offset;
    repaint();
}

Rect ToggleButton::get_contents_rect() const {
    Rect contents = get_content_rect();
    if (m_toggled || m_held) {
        contents.x += m_pushed_offset.x;
        contents.y += m_pushed_offset.y;
    }
    return contents;
}

void ToggleButton::handle_input(InputEvent& a_event) {
    const bool was_held = m_held;
    if (ClickTracker::track(*this, a_event, m_held))
        set_toggled(!m_toggled);
    if (was_held != m_held)
        repaint();
}

void ToggleButton::paint_content(Painter& a_painter) {
    paint_contents(a_painter, get_contents_rect());
    ClickTracker::paint_focus(*this, a_painter);
}

void ToggleButton::paint_contents(Painter&, const Rect&) {}

} // namespace Vexa
