#pragma once
// The style record of a widget class: the name a style sheet uses for it, its base class, and the
// identifier given at registration (from 1 upward; 0 is "no class").

#include "orvo/Core/String.h"

namespace Vexa {

using StyleClassId = unsigned;

struct StyleClass {
    Orvo::WString name;
    Orvo::WString base_name; // empty for the root class
    StyleClassId id = 0;
    StyleClassId base_id = 0; // resolved when the registry is initialised
};

} // namespace Vexa
