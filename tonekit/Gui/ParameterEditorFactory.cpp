#include "tonekit/Gui/ParameterEditorFactory.h"

#include "tonekit/Gui/PG_Integer.h"
#include "tonekit/Gui/PG_RetriggerReason.h"
#include "tonekit/Gui/PG_RetriggeringKeyIndex.h"
#include "tonekit/Gui/ParameterGui_Boolean.h"
#include "tonekit/Gui/ParameterGui_Choice.h"
#include "tonekit/Gui/ParameterGui_Filler.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

namespace Tonekit {

Vexa::Widget* create_parameter_editor(Parameter* a_parameter) {
    // The most derived kinds first: a retrigger reason is an integer too.
    if (dynamic_cast<P_RetriggerReason*>(a_parameter))
        return new PG_RetriggerReason(a_parameter);
    if (dynamic_cast<P_RetriggeringKeyIndex*>(a_parameter))
        return new PG_RetriggeringKeyIndex(a_parameter);
    if (dynamic_cast<P_Integer*>(a_parameter))
        return new PG_Integer(a_parameter);
    if (dynamic_cast<P_Boolean*>(a_parameter))
        return new ParameterGui_Boolean(a_parameter);
    if (dynamic_cast<P_GenericChoice*>(a_parameter))
        return new ParameterGui_Choice(a_parameter);
    if (dynamic_cast<FloatParameter*>(a_parameter))
        return new ParameterGui_Filler(a_parameter);
    return nullptr;
}

} // namespace Tonekit
