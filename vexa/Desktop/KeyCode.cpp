#include "vexa/Desktop/KeyCode.h"

#include <array>

namespace Vexa {

namespace {

// Virtual key of every KeyCode, in KeyCode order. Home and End swap places against their virtual
// keys (36, 35) on purpose.
constexpr std::array<unsigned char, KeyCode_ENUM_SIZE> virtual_keys = [] {
    std::array<unsigned char, KeyCode_ENUM_SIZE> table{};
    const unsigned char named[] = {0, 8, 9, 13, 20, 27, 32, 33, 34, 36, 35, 37, 38, 39, 40, 45, 46};
    for (unsigned i = 0; i < sizeof named; ++i)
        table[i] = named[i];
    for (unsigned i = 0; i < 10; ++i)
        table[KeyCode_0 + i] = static_cast<unsigned char>(48 + i);
    for (unsigned i = 0; i < 26; ++i)
        table[KeyCode_A + i] = static_cast<unsigned char>(65 + i);
    for (unsigned i = 0; i < 12; ++i) // numeric pad 0..9, multiply, add
        table[KeyCode_NUMPAD_0 + i] = static_cast<unsigned char>(96 + i);
    for (unsigned i = 0; i < 3; ++i) // subtract, decimal, divide (108 is not a key here)
        table[KeyCode_NUMPAD_SUBTRACT + i] = static_cast<unsigned char>(109 + i);
    for (unsigned i = 0; i < 24; ++i)
        table[KeyCode_F1 + i] = static_cast<unsigned char>(112 + i);
    for (unsigned i = 0; i < 6; ++i)
        table[KeyCode_LEFT_SHIFT + i] = static_cast<unsigned char>(160 + i);
    return table;
}();

constexpr std::array<unsigned char, 166> key_codes = [] {
    std::array<unsigned char, 166> table{};
    for (unsigned code = 1; code < KeyCode_ENUM_SIZE; ++code)
        table[virtual_keys[code]] = static_cast<unsigned char>(code);
    return table;
}();

} // namespace

KeyCode key_code_of_virtual_key(unsigned a_virtual_key) noexcept {
    if (a_virtual_key < 1 || a_virtual_key >= key_codes.size())
        return KeyCode_NONE;
    return static_cast<KeyCode>(key_codes[a_virtual_key]);
}

unsigned virtual_key_of_key_code(int a_key_code) noexcept {
    if (a_key_code <= 0 || a_key_code >= KeyCode_ENUM_SIZE)
        return 0;
    return virtual_keys[a_key_code];
}

} // namespace Vexa
