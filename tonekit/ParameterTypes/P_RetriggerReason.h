#pragma once

#include "tonekit/ParameterTypes/P_Integer.h"

namespace Tonekit {

// Which retrigger key definition restarts a modulator: "None" (-2), "Any" (-1) or definition
// value + 1 (0..7 show "1".."8").
class P_RetriggerReason : public P_Integer {
public:
    static constexpr int none = -2;
    static constexpr int any = -1;

    P_RetriggerReason() : P_Integer(none, 7, any) {}

    void get_value_text(Orvo::WString& a_text) override;
    // The text of any value of the kind, for lists of all of them.
    static Orvo::WString value_text(int a_value);
};

} // namespace Tonekit
