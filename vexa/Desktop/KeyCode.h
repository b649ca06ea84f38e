#pragma once
// The toolkit's key numbers and their table to and from virtual keys (the Win32 numbering that
// every backend translates its native keys into).

namespace Vexa {

enum KeyCode {
    KeyCode_NONE = 0,
    KeyCode_BACKSPACE = 1,
    KeyCode_TAB = 2,
    KeyCode_ENTER = 3,
    KeyCode_CAPS_LOCK = 4,
    KeyCode_ESCAPE = 5,
    KeyCode_SPACE = 6,
    KeyCode_PAGE_UP = 7,
    KeyCode_PAGE_DOWN = 8,
    KeyCode_HOME = 9,
    KeyCode_END = 10,
    KeyCode_LEFT = 11,
    KeyCode_UP = 12,
    KeyCode_RIGHT = 13,
    KeyCode_DOWN = 14,
    KeyCode_INSERT = 15,
    KeyCode_DELETE = 16,
    KeyCode_0 = 17,        // .. KeyCode_0 + 9
    KeyCode_A = 27,        // .. KeyCode_A + 25
    KeyCode_NUMPAD_0 = 53, // .. + 9, then multiply (63) and add (64)
    KeyCode_NUMPAD_MULTIPLY = 63,
    KeyCode_NUMPAD_ADD = 64,
    KeyCode_NUMPAD_SUBTRACT = 65,
    KeyCode_NUMPAD_DECIMAL = 66,
    KeyCode_NUMPAD_DIVIDE = 67,
    KeyCode_F1 = 68, // .. KeyCode_F1 + 23
    KeyCode_LEFT_SHIFT = 92,
    KeyCode_RIGHT_SHIFT = 93,
    KeyCode_LEFT_CONTROL = 94,
    KeyCode_RIGHT_CONTROL = 95,
    KeyCode_LEFT_ALT = 96,
    KeyCode_RIGHT_ALT = 97,
    KeyCode_ENUM_SIZE = 98,
};

// 0 for keys the table does not list (virtual key 108 included) and outside 1..165.
KeyCode key_code_of_virtual_key(unsigned a_virtual_key) noexcept;
// 0 for KeyCode_NONE and values past the table.
unsigned virtual_key_of_key_code(int a_key_code) noexcept;

} // namespace Vexa
