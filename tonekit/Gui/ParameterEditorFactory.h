#pragma once
// The usual editor of a parameter by its kind: a value bar for float parameters, a check box for
// booleans, a drop-down for choices, a number field for integers, the retrigger drop-downs for
// their kinds. Panels that list parameters they do not know one by one (a modulator's controls,
// an entry's columns) build their editors here.

namespace Vexa {
class Widget;
}

namespace Tonekit {

class Parameter;

// Null for a parameter that has no editor of its own (a name, a target).
Vexa::Widget* create_parameter_editor(Parameter* a_parameter);

} // namespace Tonekit
