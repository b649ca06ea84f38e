#pragma once
// Connects a style class with its widgets: it declares the class's properties and switches to the
// registry, stores resolved values in a widget, and tells whether a switch is on for a widget.
// A manager of a derived class usually derives from the manager of its base class.

#include "vexa/Styles/StyleClass.h"

namespace Vexa {

class StyleRegistry;
class StyleValue;
class Widget;

class StyleManager {
public:
    StyleManager() = default;
    StyleManager(const StyleManager&) = delete;
    StyleManager& operator=(const StyleManager&) = delete;

    // The value `parent`: give the widget its parent's value of the property. Nothing by default.
    virtual void copy_from_parent(Widget& a_widget, int a_property_index, Widget& a_parent);
    // Fails "StyleManager::get_switch_state()" unless overridden.
    virtual bool get_switch_state(const Widget& a_widget, int a_switch_index) const;
    // Fails "StyleManager::get_widget_class()" unless overridden.
    virtual StyleClassId get_widget_class() const;
    // Registers the manager's properties and switches. Nothing by default.
    virtual void declare(StyleRegistry& a_registry);
    // Stores the value in the widget. Fails "StyleManager::apply()" unless overridden.
    virtual void apply(Widget& a_widget, int a_property_index, const StyleValue& a_value);
    virtual ~StyleManager() = default;
};

} // namespace Vexa
