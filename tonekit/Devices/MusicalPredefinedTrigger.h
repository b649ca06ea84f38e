#pragma once

#include "tonekit/Devices/MusicalTrigger.h"

#include <cstdint>

namespace Tonekit {

// One of the triggers the framework itself fires. Its identifier is what presets store, so it
// never changes once released; the standard identifier is how the firing code finds it.
class MusicalPredefinedTrigger : public MusicalTrigger {
public:
    static constexpr int no_standard_id = -1;

    MusicalPredefinedTrigger(std::uint32_t a_id, Orvo::WString a_name,
                             int a_standard_id = no_standard_id)
        : MusicalTrigger(Family_PREDEFINED, std::move(a_name)), m_id(a_id),
          m_standard_id(a_standard_id) {}

    const std::uint32_t m_id;
    const int m_standard_id;
    // Position in the catalogue's order, given when the manager collects it.
    unsigned m_number = 0;
};

} // namespace Tonekit
