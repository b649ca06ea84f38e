#include "vexa/Styles/StyleManager.h"

#include "orvo/Core/Exception.h"

namespace Vexa {

void StyleManager::copy_from_parent(Widget&, int, Widget&) {}

bool StyleManager::get_switch_state(const Widget&, int) const {
    throw Orvo::Exception(Orvo::WString(u"StyleManager::get_switch_state()"));
}

StyleClassId StyleManager::get_widget_class() const {
    throw Orvo::Exception(Orvo::WString(u"StyleManager::get_widget_class()"));
}

void StyleManager::declare(StyleRegistry&) {}

void StyleManager::apply(Widget&, int, const StyleValue&) {
    throw Orvo::Exception(Orvo::WString(u"StyleManager::apply()"));
}

} // namespace Vexa
