#pragma once
// A key with its modifiers, as menu items are bound to them, and its combined code: the modifiers
// in bits 8..10 over the key code, 0..2047, which indexes the shortcut table.

#include "vexa/Desktop/KeyCode.h"

#include <string>
#include <string_view>

namespace Vexa {

enum ShortcutModifiers {
    ShortcutModifiers_NONE = 0,
    ShortcutModifiers_ALT = 1,
    ShortcutModifiers_CTRL = 2,
    ShortcutModifiers_SHIFT = 4,
};

struct KeyboardShortcut {
    static constexpr int code_count = 2048;

    KeyCode key = KeyCode_NONE;
    unsigned modifiers = ShortcutModifiers_NONE;

    KeyboardShortcut() noexcept = default;
    KeyboardShortcut(KeyCode a_key, unsigned a_modifiers = ShortcutModifiers_NONE) noexcept
        : key(a_key), modifiers(a_modifiers) {}

    // Shortcuts given as text: "Ctrl+S", "Shift+Control+Z", "Alt+4". Words are separated by '+';
    // "Shift", "Control" or "Ctrl" and "Alt" add modifiers, a single letter or digit is the key,
    // and the first key ends the reading. Anything else is skipped, so bad text gives at most an
    // empty shortcut.
    static KeyboardShortcut parse(std::u16string_view a_text);

    bool is_empty() const noexcept { return key == KeyCode_NONE; }
    explicit operator bool() const noexcept { return !is_empty(); }
    int get_code() const noexcept { return int(((modifiers & 7u) << 8) + unsigned(key)) & 2047; }
    // "Shift+", "Ctrl+", "Alt+" (in that order) and the key's letter or digit; empty for an empty
    // shortcut. Keys other than letters and digits add no character.
    std::u16string get_text() const;

    bool operator==(const KeyboardShortcut&) const = default;
};

} // namespace Vexa
