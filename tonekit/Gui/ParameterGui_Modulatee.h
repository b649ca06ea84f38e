#pragma once
// An editor of a parameter that modulators can be routed to. It knows where the modulation has
// taken the parameter (one mark per entry aimed at it, read from the entries' latest output) and
// whether the device's "Modulation visualization" setting lets it show them: always ("All"),
// only while the mouse is over it ("Below mouse cursor"), or never ("None").
// [ui-thread] Like every widget.

#include "tonekit/Gui/SingleParameterEditor.h"

#include <vector>

namespace Tonekit {

class ParameterGui_Modulatee : public SingleParameterEditor {
public:
    struct ModulationMark {
        // The normalized value the entry's output reached, 0..1.
        float position;
        // The entry and its modulator are switched on, so the mark moves with a live signal.
        bool signalling;
    };

    explicit ParameterGui_Modulatee(Parameter* a_parameter);

    // True for a parameter that can carry modulation: the device GUI repaints its marks.
    bool shows_modulation() const override;
    void set_hovered(bool a_hovered) override;
    void on_modulation_changed(Parameter& a_parameter) override;

    // Whether the marks are drawn now, by the device's setting and the mouse.
    bool is_modulation_visible() const;
    // The marks of the entries aimed at the parameter, in processing order; none when nothing is
    // routed to it.
    std::vector<ModulationMark> get_modulation_marks() const;
};

} // namespace Tonekit
