#pragma once
// Everything registered under one property name: for each value type the managers (and their
// property indices) that accept it. Enumerated registrations carry their table of names.

#include "orvo/Containers/Map.h"
#include "orvo/Core/String.h"
#include "vexa/Styles/StyleValue.h"

#include <vector>

namespace Vexa {

class StyleManager;

struct StylePropertyRegistration {
    StyleManager* manager = nullptr;
    int index = 0;
    // Only for StyleValueType_ENUMERATED: the names the property takes and their values.
    Orvo::Map<Orvo::WString, StyleValueRef> enumeration;
};

struct StylePropertyDescription {
    Orvo::Map<StyleValueType, std::vector<StylePropertyRegistration>> registrations;
};

struct StyleSwitchDescription {
    StyleManager* manager = nullptr;
    int index = 0;
};

} // namespace Vexa
