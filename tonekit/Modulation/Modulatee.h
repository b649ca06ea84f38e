#pragma once
// A target that modulators can be routed to. Every float parameter is one (FloatParameter derives
// from it as a second base); the modulation manager keeps its routing per modulatee and asks it
// for the texts the modulation editor shows.

#include "orvo/Core/String.h"

#include <cstdint>

namespace Tonekit {

class Parameter;
class ParameterOwner;

// How the modulated normalized value becomes an internal value.
enum ModulationMapping : unsigned {
    // The interval is 0..1 with no conversion: the value is used as it is.
    ModulationMapping_IDENTITY = 0,
    // internal = internal start x 2^(value x exponent scale)
    ModulationMapping_EXPONENTIAL = 1,
    // internal = internal start + value x internal span
    ModulationMapping_LINEAR = 2,
};

class Modulatee {
public:
    Modulatee() = default;
    Modulatee(const Modulatee&) = delete;
    Modulatee& operator=(const Modulatee&) = delete;

    // The parameter this modulatee belongs to; null in the base.
    virtual Parameter* get_parameter();
    // A modulation amount a_amount (a normalized distance) as text, with a_style -1 (down),
    // 0 (both ways) or 1 (up).
    virtual void format_amount(float a_amount, int a_style, Orvo::WString& a_text);
    // The value reached at normalized position a_position, as text.
    virtual void format_value_at(float a_position, Orvo::WString& a_text);
    // The routing to this target changed: re-apply the value, tell the editors.
    virtual void modulation_changed();
    virtual ~Modulatee() = default;

    // Both assert "parameter".
    std::uint32_t get_id();
    ParameterOwner* get_owner();

    // Only a target whose processing side reads 16 lanes per frame can carry a modulated value.
    bool m_accepts_modulation = false;
};

} // namespace Tonekit
