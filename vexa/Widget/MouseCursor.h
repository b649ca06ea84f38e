#pragma once
// The mouse cursor shown over a widget. MouseCursor_DEFAULT means "as the parent shows".

namespace Vexa {

enum MouseCursor {
    MouseCursor_DEFAULT = 0,
    MouseCursor_ARROW,
    MouseCursor_IBEAM,
    MouseCursor_HAND,
    MouseCursor_SIZE_WE,
    MouseCursor_SIZE_NS,
    MouseCursor_SIZE_NWSE,
    MouseCursor_SIZE_NESW,
    MouseCursor_ENUM_SIZE,
};

} // namespace Vexa
