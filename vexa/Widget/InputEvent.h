#pragma once
// One structure for every input event a widget receives: mouse, wheel and keyboard.

#include "vexa/Desktop/KeyCode.h"

#include <string>

namespace Vexa {

class Widget;
class Painter;

enum InputEventType {
    InputEventType_KEYBOARD_DOWN = 0,
    InputEventType_KEYBOARD_STRING = 1,
    InputEventType_KEYBOARD_UP = 2,
    InputEventType_MOUSE_DOWN = 3,
    InputEventType_MOUSE_HOVER = 4,
    InputEventType_NATIVE_ONLY = 5, // never dispatched through the tables
    InputEventType_MOUSE_MOVED = 6,
    InputEventType_MOUSE_OUT = 7,
    InputEventType_MOUSE_OVER = 8,
    InputEventType_MOUSE_UP = 9,
    InputEventType_MOUSE_WHEEL = 10,
    InputEventType_ENUM_SIZE = 11,
};

enum InputEventStage {
    InputEventStage_TARGET = 1,
    InputEventStage_LISTENER = 2,
    InputEventStage_BUBBLING = 3,
};

struct InputEvent {
    Widget* widget = nullptr; // the widget it is being delivered to
    int stage = InputEventStage_TARGET;
    InputEventType type = InputEventType_MOUSE_MOVED;
    bool consumed = false; // a handler sets it to stop delivery
    int desktop_x = 0;
    int desktop_y = 0;
    int x = 0; // local to `widget`
    int y = 0;
    int button = 0;
    bool double_click = false;
    KeyCode key = KeyCode_NONE;
    bool repeat = false;
    unsigned modifiers = 0; // held with a key: Alt 1, Ctrl 2, Shift 4
    std::u16string text;
    int wheel_delta = 0;
};

struct PaintEvent {
    Widget* widget = nullptr;
    Painter* painter = nullptr;
};

} // namespace Vexa
