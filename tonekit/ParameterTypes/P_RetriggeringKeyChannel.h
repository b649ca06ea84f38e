#pragma once

#include "tonekit/ParameterTypes/P_TypedChoice.h"

namespace Tonekit {

// The MIDI channel of a retrigger key: "Any" (id 1, value -1, the default) or "1" to "16" (ids 2
// to 17, values 0 to 15, as the channel nibble of a MIDI status byte).
class P_RetriggeringKeyChannel : public P_TypedChoice<int> {
public:
    static constexpr int any_channel = -1;
    static constexpr std::uint32_t any_id = 1;

    P_RetriggeringKeyChannel();
};

} // namespace Tonekit
