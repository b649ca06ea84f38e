#include "vexa/Widgets/SpinButton.h"

#include "vexa/Widgets/ArrowCommandButton.h"

#include <algorithm>

namespace Vexa {

SpinButton::SpinButton()
    : m_own_model(std::make_unique<Wwm1_Int>()), m_model(m_own_model.get()),
      m_up(new ArrowCommandButton(ArrowDirection_UP)),
      m_down(new ArrowCommandButton(ArrowDirection_DOWN)) {
    for (ArrowCommandButton* arrow : {m_up, m_down}) {
        arrow->set_repeating(true);
        arrow->set_focus_policy(0);
        arrow->set_style_subclass(Orvo::WString(u"spin"));
        add_child(arrow);
    }
    connect(m_up->m_on_action, this, &SpinButton::p_on_up);
    connect(m_down->m_on_action, this, &SpinButton::p_on_down);
}

SpinButton::~SpinButton() = default;

void SpinButton::set_model(Wwm1_Int* a_model) {
    m_model = a_model ? a_model : m_own_model.get();
}

void SpinButton::set_step(int a_step) {
    m_step = std::max(1, a_step);
}

void SpinButton::step_by(int a_steps) {
    const long long target = (long long)m_model->get() + (long long)a_steps * m_step;
    m_model->set(
        int(std::clamp<long long>(target, m_model->get_minimum(), m_model->get_maximum())));
}

void SpinButton::measure_content(WidgetEvents::OnMeasure& a_event) {
    const WidgetRequestedSizes& up = m_up->get_requested_sizes();
    const WidgetRequestedSizes& down = m_down->get_requested_sizes();
    a_event.minimum.width += std::max(up.get_minimum_width(), down.get_minimum_width());
    a_event.minimum.height += up.get_minimum_height() + down.get_minimum_height();
    a_event.requested.width += std::max(up.get_requested_width(), down.get_requested_width());
    a_event.requested.height += up.get_requested_height() + down.get_requested_height();
}

void SpinButton::resized() {
    const Rect content = get_content_rect();
    const int upper = content.height / 2;
    m_up->set_geometry(content.x, content.y, content.width, upper);
    m_down->set_geometry(content.x, content.y + upper, content.width, content.height - upper);
}

void SpinButton::handle_input(InputEvent& a_event) {
    if (a_event.type != InputEventType_MOUSE_WHEEL)
        return;
    a_event.consumed = true;
    m_wheel_rest += a_event.wheel_delta;
    const int notches = m_wheel_rest / 120;
    m_wheel_rest -= notches * 120;
    step_by(notches);
}

void SpinButton::p_on_up(CommandButtonEvents::OnAction&) {
    step_by(1);
}

void SpinButton::p_on_down(CommandButtonEvents::OnAction&) {
    step_by(-1);
}

} // namespace Vexa
