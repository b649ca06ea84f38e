#include "tonekit/Gui/ParameterGui_Filler.h"

#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"

#include <algorithm>

namespace Tonekit {

ParameterGui_Filler::ParameterGui_Filler(Parameter* a_parameter)
    : ParameterGui_Modulatee(a_parameter) {
    p_initialize();
}

ParameterGui_Filler::~ParameterGui_Filler() {
    if (m_in_gesture && get_parameter())
        get_parameter()->end_edit();
}

float ParameterGui_Filler::origin_of(Parameter& a_parameter) {
    auto* parameter = dynamic_cast<FloatParameter*>(&a_parameter);
    auto* variation =
        parameter ? dynamic_cast<FloatParameterVariation*>(parameter->get_current_variation())
                  : nullptr;
    if (!variation || variation->m_polarity != FloatParameterVariation::Polarity_BIPOLAR)
        return 0.0f;
    const float zero = parameter->m_exponential ? 1.0f : 0.0f;
    const float origin = parameter->normalize_number(zero);
    return origin >= 0.0f ? std::min(origin, 1.0f) : 0.0f;
}

Vexa::Widget* ParameterGui_Filler::create_editable_widget() {
    m_filler = new Filler;
    connect(m_filler->m_on_drag_begin, this, &ParameterGui_Filler::p_on_drag_begin);
    connect(m_filler->m_on_value_changed, this, &ParameterGui_Filler::p_on_value_changed);
    connect(m_filler->m_on_drag_end, this, &ParameterGui_Filler::p_on_drag_end);
    connect(m_filler->m_on_paint_marks, this, &ParameterGui_Filler::p_on_paint_marks);
    return m_filler;
}

void ParameterGui_Filler::update_parameter_from_widget() {
    if (get_parameter())
        get_parameter()->set_normalized_value(m_filler->get_value());
}

void ParameterGui_Filler::update_widget_from_parameter() {
    Parameter& parameter = *get_parameter();
    m_filler->set_origin(origin_of(parameter));
    auto* typed = dynamic_cast<FloatParameter*>(&parameter);
    auto* variation =
        typed ? dynamic_cast<FloatParameterVariation*>(typed->get_current_variation()) : nullptr;
    m_filler->set_inverted(variation && variation->m_polarity ==
                                            FloatParameterVariation::Polarity_NEGATIVE_UNIPOLAR);
    m_filler->set_display_value(typed ? typed->get_value() : parameter.get_normalized_value());
    m_filler->set_value(parameter.get_normalized_value(), true);
}

void ParameterGui_Filler::repaint_modulation() {
    if (!m_filler)
        return;
    const Vexa::Rect content = m_filler->get_content_rect();
    m_filler->repaint({content.x, content.y, content.width, std::min(content.height, 3)});
}

void ParameterGui_Filler::p_on_drag_begin(FillerEvents::OnDrag&) {
    if (!get_parameter() || m_in_gesture)
        return;
    m_in_gesture = true;
    get_parameter()->begin_edit();
}

void ParameterGui_Filler::p_on_value_changed(FillerEvents::OnValueChanged& a_event) {
    if (a_event.from_parameter || is_refreshing_widget())
        return;
    update_parameter_from_widget();
    // The number follows at once; the GUI refresh would only show it a moment later.
    if (auto* typed = dynamic_cast<FloatParameter*>(get_parameter()))
        m_filler->set_display_value(typed->get_value());
}

void ParameterGui_Filler::p_on_drag_end(FillerEvents::OnDrag&) {
    if (!m_in_gesture)
        return;
    m_in_gesture = false;
    if (get_parameter())
        get_parameter()->end_edit();
}

void ParameterGui_Filler::p_on_paint_marks(FillerEvents::OnPaintMarks& a_event) {
    if (!is_modulation_visible())
        return;
    for (const ModulationMark& mark : get_modulation_marks())
        Filler::draw_marker(*a_event.painter, a_event.content,
                            Filler::position_to_pixel(mark.position, a_event.content.width), true,
                            mark.signalling ? m_filler->get_signalling_indicator_pen()
                                            : m_filler->get_nonsignalling_indicator_pen());
}

} // namespace Tonekit
