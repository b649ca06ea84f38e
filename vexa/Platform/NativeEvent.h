#pragma once
// What a backend reports about one of its native windows, already in the toolkit's terms:
// positions in client pixels, keys as virtual-key numbers (the Win32 numbering the key table is
// written in), the text a key press types.

#include <cstdint>
#include <string>

namespace Vexa {

enum class NativeEventType {
    mouse_move,
    button_down,
    button_up,
    wheel,
    mouse_leave,
    key_down,
    key_up,
    resized,
    close_request,
    activated,
    deactivated,
    capture_lost,
    timer,
    destroyed, // the native window went away under us (its foreign parent was destroyed)
};

struct NativeEvent {
    NativeEventType type = NativeEventType::mouse_move;
    int x = 0;
    int y = 0;
    int button = 0; // 1 left, 2 right, 4 middle, other numbers for extra buttons
    bool double_click = false;
    int wheel_delta = 0; // 120 per notch, positive away from the user
    unsigned virtual_key = 0;
    unsigned modifiers = 0; // held with a key: Alt 1, Ctrl 2, Shift 4 (the shortcut bits)
    bool repeat = false;
    std::u16string text; // typed by a key_down
    unsigned timer_id = 0;
    int width = 0; // resized
    int height = 0;
};

} // namespace Vexa
