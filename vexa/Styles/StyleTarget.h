#pragma once
// What resolution needs to know of a widget: its style class, its subclass name (empty for none)
// and its parent (null for a root), with the registry that the class identifier belongs to.

#include "orvo/Core/String.h"
#include "vexa/Styles/StyleClass.h"

namespace Vexa {

class StyleRegistry;
class Widget;

struct StyleTarget {
    Widget& widget;
    StyleClassId class_id;
    const Orvo::WString& subclass;
    Widget* parent;
    const StyleRegistry& registry;
};

} // namespace Vexa
