#include "vexa/Desktop/KeyboardModifiers.h"

namespace Vexa {

void KeyboardModifiers::p_key(KeyCode a_key, bool a_down) noexcept {
    auto set = [a_down](unsigned& a_bits, unsigned a_bit) {
        a_bits = a_down ? (a_bits | a_bit) : (a_bits & ~a_bit);
    };
    switch (a_key) {
    case KeyCode_LEFT_SHIFT:
        set(s_shift, 1);
        break;
    case KeyCode_RIGHT_SHIFT:
        set(s_shift, 2);
        break;
    case KeyCode_LEFT_CONTROL:
        set(s_control, 1);
        break;
    case KeyCode_RIGHT_CONTROL:
        set(s_control, 2);
        break;
    default:
        break;
    }
}

} // namespace Vexa
