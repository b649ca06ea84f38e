#pragma once

#include "tonekit/ParameterTypes/FloatParameter.h"

namespace Tonekit {

class ModulatorEntry;

// A float parameter of a modulator entry that knows its entry (the entry's "Range"). Being a
// float parameter, it is itself a modulation target.
class Parameter_Modifier : public FloatParameter {
public:
    explicit Parameter_Modifier(ModulatorEntry* a_entry) : m_entry(a_entry) {}

    ModulatorEntry* get_entry() const noexcept { return m_entry; }

private:
    ModulatorEntry* m_entry;
};

} // namespace Tonekit
