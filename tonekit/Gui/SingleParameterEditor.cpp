#include "tonekit/Gui/SingleParameterEditor.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Gui/ParameterEditorHint.h"
#include "tonekit/Parameters/Parameter.h"
#include "vexa/Widgets/TextMeasure.h"

namespace Tonekit {

SingleParameterEditor::SingleParameterEditor(Parameter* a_parameter) : m_parameter(a_parameter) {
    if (m_parameter)
        m_parameter->attach_editor(this);
    set_hint(std::make_shared<ParameterEditorHint>(*this));
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
    request_placement();
}

void SingleParameterEditor::get_description_text(Orvo::WString& a_text) {
    if (m_parameter)
        m_parameter->get_description_text(a_text);
    else
        a_text.clear();
}

void SingleParameterEditor::on_gui_refresh(Parameter&) {
    p_refresh_widget();
}

// The owner of the editor takes it down soon; until then it shows nothing and edits nothing.
void SingleParameterEditor::on_parameter_destroyed(Parameter&) {
    m_parameter = nullptr;
    hide();
}

void SingleParameterEditor::on_variation_changed(Parameter&) {
    p_refresh_widget();
}

void SingleParameterEditor::p_initialize() {
    set_widget(create_editable_widget());
    p_refresh_widget();
}

void SingleParameterEditor::p_refresh_widget() {
    if (!m_widget || !m_parameter)
        return;
    const bool outer = m_refreshing;
    m_refreshing = true;
    try {
        update_widget_from_parameter();
    } catch (...) {
        m_refreshing = outer;
        throw;
    }
    m_refreshing = outer;
}

void SingleParameterEditor::measure_content(Vexa::WidgetEvents::OnMeasure& a_event) {
    if (m_widget)
        Vexa::TextMeasure::add_wrapped(a_event, *m_widget);
}

void SingleParameterEditor::resized() {
    if (m_widget)
        m_widget->set_geometry(get_content_rect());
}

} // namespace Tonekit
