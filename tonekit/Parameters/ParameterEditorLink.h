#pragma once

namespace Tonekit {

class Parameter;

// What a parameter knows of the editors that show it. The calls come on the user-interface thread,
// with the device's structural locks held where the change needs them: an editor must not take
// those locks again in another order, and should only note what to redraw.
class ParameterEditorLink {
public:
    virtual ~ParameterEditorLink() = default;
    // The parameter now has another interval, unit or scale; the normalized value stayed.
    virtual void on_variation_changed(Parameter& a_parameter) = 0;
    // The modulation routed to the parameter changed (float parameters only).
    virtual void on_modulation_changed(Parameter&) {}
    // The GUI's periodic refresh: the parameter's value changed since the last one (or everything
    // is shown afresh after a preset load). Runs with the device's parameter lock held, so that no
    // other thread deletes the parameter meanwhile: read the value and mark what to redraw; take
    // no other device lock and write no parameter.
    virtual void on_gui_refresh(Parameter&) {}
    // The parameter is going away (its modulator or entry was removed): forget it. The editor's
    // widget may live a little longer than the parameter it showed.
    virtual void on_parameter_destroyed(Parameter&) {}
};

} // namespace Tonekit
