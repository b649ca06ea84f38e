#pragma once
// A column of a modulator panel's entry table: its caption and what its cells show.

#include <string_view>

namespace Tonekit {

enum ModulatorGuiColumnKind {
    ModulatorGuiColumnKind_TARGET,
    ModulatorGuiColumnKind_LOCATION,
    ModulatorGuiColumnKind_RANGE,
    ModulatorGuiColumnKind_PHASE_GROUP,
    ModulatorGuiColumnKind_AXIS,
};

struct ModulatorGuiColumn {
    std::u16string_view title;
    ModulatorGuiColumnKind kind;
};

} // namespace Tonekit
