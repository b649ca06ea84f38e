#pragma once
// One native window of a backend, and the toolkit side that receives its events (the system
// window). The backend owns no pixels of its own: it asks its client to compose the back buffer and
// copies that to the screen.

#include "vexa/Graphics/Bitmap.h"
#include "vexa/Graphics/Geometry.h"
#include "vexa/Platform/NativeEvent.h"
#include "vexa/Widget/MouseCursor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Vexa {

class NativeWindowClient {
public:
    virtual void handle_native_event(const NativeEvent& a_event) = 0;
    // Brings the back buffer up to date inside the rectangle and returns it.
    virtual const Bitmap& compose(const Rect& a_update) = 0;

protected:
    ~NativeWindowClient() = default;
};

class NativeWindow;

struct NativeWindowOptions {
    NativeWindow* owner = nullptr;    // a top-level window stays above its owner
    std::uint64_t foreign_parent = 0; // embed in a window of another program (a host)
    bool popup = false;               // no decorations, placed by the toolkit (menus)
    std::u16string title;
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    // The native identifier (an X window id); 0 where there is none.
    virtual std::uint64_t get_id() const = 0;
    // False once the native window is gone (destroyed with a foreign parent).
    virtual bool is_alive() const = 0;
    virtual NativeWindowClient& get_client() const = 0;

    virtual void set_visible(bool a_visible) = 0;
    virtual void set_title(std::u16string_view a_title) = 0;
    // Client area: position in the parent's (or the screen's) coordinates and size.
    virtual void set_client_rect(const Rect& a_rect) = 0;
    virtual Rect get_client_rect() const = 0;
    // The part of the client area to compose and put on the screen now.
    virtual void invalidate(const Rect& a_rect) = 0;
    // The client sizes a user may resize the window to (the window manager enforces them).
    virtual void set_size_limits(Size a_minimum, Size a_maximum) = 0;
    virtual void set_capture(bool a_captured) = 0;
    virtual void activate() = 0;
    virtual void set_cursor(MouseCursor a_cursor) = 0;
    // A client position in screen coordinates.
    virtual Rect map_to_screen(const Rect& a_rect) const {
        const Rect client = get_client_rect();
        return a_rect.translated(client.x, client.y);
    }
    // Takes all pointer and keyboard input of the display for this window (an open menu); false
    // when another program holds it. Every pointer event then comes in this window's coordinates.
    virtual bool grab_input() { return true; }
    virtual void release_input() {}
};

} // namespace Vexa
