#pragma once
// The units of float parameters. The row number is the unit's value in code and in variations;
// the system reads only the short name (value texts, the host's label) and the geometric flag
// (geometric units are smoothed and modulated on a ratio scale).

namespace Tonekit {

enum Unit : unsigned {
    Unit_NULL = 0,
    Unit_AMPLITUDE_RATIO = 1,
    Unit_CENTS = 2,
    Unit_DECIBELS = 3,
    Unit_FRAMES = 4,
    Unit_FREQUENCY_RATIO = 5,
    Unit_HERTZ = 6,
    Unit_INVERTED_FRAMES = 7,
    Unit_MILLIOCTAVES = 8,
    Unit_MILLISECONDS = 9,
    Unit_NONE = 10,
    Unit_NORMALIZED_FREQUENCY = 11,
    Unit_OCTAVES = 12,
    Unit_PERCENT_OFFSET = 13,
    Unit_SECONDS = 14,
    Unit_SEMITONES = 15,
    Unit_ENUM_SIZE = 16,
};

struct UnitInfo {
    const char16_t* m_name;
    const char16_t* m_short_name;
    unsigned m_bit;
    bool m_geometric;
};

// Asserts "a_unit < Unit_ENUM_SIZE".
const UnitInfo& get_unit_info(Unit a_unit);

} // namespace Tonekit
