#pragma once
// Which of Shift and Ctrl are held, as the toolkit's key presses and releases told it: editing
// widgets read it for Shift+click, Shift+arrows and the Ctrl shortcuts. Input events carry no
// modifier state of their own, and a press may reach one widget and its release another.

#include "vexa/Desktop/KeyCode.h"

namespace Vexa {

class KeyboardModifiers {
public:
    static bool is_shift_held() noexcept { return s_shift != 0; }
    static bool is_control_held() noexcept { return s_control != 0; }

    // Every key press and release of every system window passes here.
    static void p_key(KeyCode a_key, bool a_down) noexcept;
    // The keyboard went to another program: what it holds is no longer ours to know.
    static void p_reset() noexcept { s_shift = s_control = 0; }

private:
    static inline unsigned s_shift = 0; // bit 0 left, bit 1 right
    static inline unsigned s_control = 0;
};

} // namespace Vexa
