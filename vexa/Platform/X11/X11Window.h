#pragma once
// A native X window of the toolkit's own connection: a child of a foreign window (an editor in its
// host's window), a top-level window (transient for its owner), or an override-redirect popup.
// Its pixels come from the client's back buffer, copied on Expose and after every update.

#include "vexa/Platform/NativeWindow.h"
#include "vexa/Platform/X11/X11PixelCopy.h"

#include <X11/Xlib.h>
#include <memory>

namespace Vexa {

class X11Platform;

class X11Window : public NativeWindow {
public:
    // Fails with an Orvo::Exception when the X server refuses the window (a foreign parent that
    // does not exist).
    X11Window(X11Platform& a_platform, NativeWindowClient& a_client,
              const NativeWindowOptions& a_options);
    ~X11Window() override;

    std::uint64_t get_id() const override { return m_window; }
    bool is_alive() const override { return m_alive; }
    NativeWindowClient& get_client() const override { return m_client; }
    void set_visible(bool a_visible) override;
    void set_title(std::u16string_view a_title) override;
    void set_client_rect(const Rect& a_rect) override;
    Rect get_client_rect() const override { return m_rect; }
    void invalidate(const Rect& a_rect) override;
    void set_size_limits(Size a_minimum, Size a_maximum) override;
    void set_capture(bool a_captured) override;
    void activate() override;
    void set_cursor(MouseCursor a_cursor) override;
    Rect map_to_screen(const Rect& a_rect) const override;
    bool grab_input() override;
    void release_input() override;

    // From the platform's event dispatch.
    void p_expose(const Rect& a_rect);
    void p_configured(const Rect& a_rect);
    void p_destroyed() noexcept;
    bool is_top_level() const noexcept { return m_top_level; }

private:
    void p_copy(const Bitmap& a_back_buffer, const Rect& a_rect);
    void p_set_hints(bool a_placed);

    X11Platform& m_platform;
    NativeWindowClient& m_client;
    ::Window m_window = 0;
    bool m_alive = false;
    bool m_mapped = false;
    bool m_top_level;
    Rect m_rect{0, 0, 1, 1};
    Size m_minimum{1, 1};
    Size m_maximum{65536, 65536};
    MouseCursor m_cursor = MouseCursor_DEFAULT;
    std::unique_ptr<X11PixelCopy> m_pixels;
};

} // namespace Vexa
