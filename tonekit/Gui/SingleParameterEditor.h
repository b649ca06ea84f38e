#pragma once
// An editor of one parameter: a widget that holds the one toolkit widget showing the parameter
// (a value bar, a check box, a drop-down ...) and keeps the two in step. The device GUI finds the
// editor under the mouse through this class (for the parameter line, the variations menu and the
// modulation display), and the GUI refresh reaches it through the parameter's editor links.
// [ui-thread] Like every widget.

#include "orvo/Core/String.h"
#include "tonekit/Gui/ParameterEditor.h"
#include "tonekit/Parameters/ParameterEditorLink.h"

namespace Tonekit {

class Parameter;

class SingleParameterEditor : public ParameterEditor, public ParameterEditorLink {
public:
    // Attaches to a_parameter (null for a chooser that shows nothing yet).
    explicit SingleParameterEditor(Parameter* a_parameter);
    // Detaches from the parameter.
    ~SingleParameterEditor() override;

    Parameter* get_parameter() const noexcept { return m_parameter; }
    Vexa::Widget* get_widget() const noexcept { return m_widget; }
    // Fails `a_widget` for none and `!m_widget` when a widget was set before. The editor takes
    // the widget as its child and fills its content box with it.
    void set_widget(Vexa::Widget* a_widget);

    // The parameter line's text: "Name: value"; empty when there is no parameter.
    virtual void get_description_text(Orvo::WString& a_text);
    // Whether the editor draws the modulation routed to its parameter.
    virtual bool shows_modulation() const { return false; }
    // Repaints only the modulation marks, at their current geometry.
    virtual void repaint_modulation() {}
    // The device GUI tells the editor under the mouse (and the one it left), for editors that show
    // modulation only there.
    virtual void set_hovered(bool a_hovered) { m_hovered = a_hovered; }
    bool is_hovered() const noexcept { return m_hovered; }

    // ParameterEditorLink: the parameter's value, variation or modulation changed.
    void on_gui_refresh(Parameter& a_parameter) override;
    void on_variation_changed(Parameter& a_parameter) override;
    void on_parameter_destroyed(Parameter& a_parameter) override;

protected:
    // The user changed the widget: write its value to the parameter.
    virtual void update_parameter_from_widget() {}
    // The parameter changed: show its value without telling the parameter back.
    virtual void update_widget_from_parameter() {}
    // The widget that edits the parameter; an editor kind that makes it later may leave it out.
    virtual Vexa::Widget* create_editable_widget() { return nullptr; }

    // For the constructor of the most derived editor: sets the widget create_editable_widget
    // makes and shows the parameter's value in it.
    void p_initialize();
    // update_widget_from_parameter, with the widget's change signals kept from writing back.
    void p_refresh_widget();
    // True while the widget is being set from the parameter: its change signals are no user's.
    bool is_refreshing_widget() const noexcept { return m_refreshing; }

    void measure_content(Vexa::WidgetEvents::OnMeasure& a_event) override;
    void resized() override;

private:
    Parameter* m_parameter = nullptr;
    Vexa::Widget* m_widget = nullptr;
    bool m_hovered = false;
    bool m_refreshing = false;
};

} // namespace Tonekit
