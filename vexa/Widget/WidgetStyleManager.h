#pragma once
// The style properties every widget has (background, border, frame, font, text colour, margins,
// paddings, size constraints, stretch and adjust flags) and the "enabled" switch, given to the
// registry's manager of the Widget class; and the restyle of one widget from the application's
// style sheet.

#include "vexa/Styles/TableStyleManager.h"

namespace Vexa {

class StyleRegistry;
class Widget;

class WidgetStyleManager {
public:
    static TableStyleManager::Behaviour get_behaviour();
    // Gives the registry's manager of "Widget" (when it has one) the behaviour above.
    static void install(const StyleRegistry& a_registry);
    // Resolves the widget's style anew from the application's sheet, starting at the widget's
    // class (a class the registry lacks counts as "Widget"). Nothing without a sheet.
    static void restyle(Widget& a_widget);
};

} // namespace Vexa
