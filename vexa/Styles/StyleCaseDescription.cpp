#include "vexa/Styles/StyleCaseDescription.h"

#include "vexa/Styles/StyleManager.h"
#include "vexa/Styles/StyleRegistry.h"

namespace Vexa {

// A switch of a class that the widget does not derive from has no state for it: such a condition
// never holds (asking the manager would treat the widget as a class it is not).
bool StyleCaseDescription::matches(const StyleTarget& a_target) const {
    for (const StyleSwitchCondition& condition : m_conditions) {
        if (!a_target.registry.derives_from(a_target.class_id,
                                            condition.manager->get_widget_class()))
            return false;
        if (condition.manager->get_switch_state(a_target.widget, condition.index) !=
            condition.required)
            return false;
    }
    return true;
}

} // namespace Vexa
