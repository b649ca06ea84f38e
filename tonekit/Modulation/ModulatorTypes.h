#pragma once
// The modulator kinds by type code (the code presets store, minus 1). A new kind adds one row to
// the table in ModulatorTypes.cpp.

namespace Tonekit {

class Device;
class Modulator;

struct ModulatorType {
    unsigned m_code;
    Modulator* (*m_create)(Device* a_device);
};

// Null for a code no kind has (the reserved codes included).
const ModulatorType* find_modulator_type(unsigned a_code) noexcept;

} // namespace Tonekit
