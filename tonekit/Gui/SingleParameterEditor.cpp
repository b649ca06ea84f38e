#include "tonekit/Gui/SingleParameterEditor.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

SingleParameterEditor::SingleParameterEditor(Parameter* a_parameter) : m_parameter(a_parameter) {
    if (m_parameter)
        m_parameter->attach_editor(this);
}

SingleParameterEditor::~SingleParameterEditor() {
    if (m_parameter)
        m_parameter->detach_editor(this);
}

void SingleParameterEditor::set_widget(Vexa::Widget* a_widget) {
    ORVO_ASSERT(a_widget);
    ORVO_ASSERT(!m_widget);
    m_widget = a_widget;
    add_child(a_widget);
    request_measure();
}

void SingleParameterEditor::get_description_text(Orvo::WString& a_text) {
    if (m_parameter)
        m_parameter->get_description_text(a_text);
    else
        a_text.clear();
}

void SingleParameterEditor::on_gui_refresh(Parameter&) {
    update_widget_from_parameter();
}

void SingleParameterEditor::on_variation_changed(Parameter&) {
    update_widget_from_parameter();
}

void SingleParameterEditor::measure_content(Vexa::WidgetEvents::OnMeasure& a_event) {
    if (!m_widget)
        return;
    const Vexa::WidgetRequestedSizes& sizes = m_widget->get_requested_sizes();
    a_event.minimum.width += sizes.get_minimum_width();
    a_event.minimum.height += sizes.get_minimum_height();
    a_event.requested.width += sizes.get_requested_width();
    a_event.requested.height += sizes.get_requested_height();
}

void SingleParameterEditor::resized() {
    if (!m_widget)
        return;
    const Vexa::Rect content = get_content_rect();
    m_widget->set_geometry(content.x, content.y, content.width, content.height);
}

} // namespace Tonekit
