#pragma once

#include "tonekit/ParameterTypes/P_Integer.h"

namespace Tonekit {

// The MIDI key of a retrigger key: -2 (none: the definition never fires), -1 (any key) or a note
// number 0..127, shown by its note name ("C4" for 60).
class P_RetriggeringKeyIndex : public P_Integer {
public:
    static constexpr int no_key = -2;
    static constexpr int any_key = -1;

    explicit P_RetriggeringKeyIndex(int a_default);

    void get_value_text(Orvo::WString& a_text) override;
    // The text of any value of the kind, for lists of all of them.
    static Orvo::WString value_text(int a_value);
};

} // namespace Tonekit
