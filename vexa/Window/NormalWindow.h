#pragma once
// A toolkit window with a title bar, a close button and resize borders, holding one client widget.
// The title bar drags the window; the borders resize it (corners grab two edges); the close button
// asks the owner through OnCloseQuery, then closes.

#include "vexa/Window/Window.h"

#include <string>

namespace Vexa {

class NormalWindow;
class NormalWindowTitleBar;
class NormalWindowContents;

namespace NormalWindowEvents {
struct OnCloseQuery {
    NormalWindow* window;
    bool close = true; // a slot clears it to keep the window open
};
} // namespace NormalWindowEvents

enum ResizeEdge {
    ResizeEdge_LEFT = 1,
    ResizeEdge_RIGHT = 2,
    ResizeEdge_TOP = 4,
    ResizeEdge_BOTTOM = 8
};

class NormalWindow : public Window {
public:
    explicit NormalWindow(std::u16string a_title = {});

    void set_title(std::u16string a_title);
    const std::u16string& get_title() const noexcept { return m_title; }
    // Takes ownership; replaces (and deletes) the previous client widget.
    void set_client(Widget* a_client);
    Widget* get_client() const noexcept { return m_client; }
    // The window size that gives the client area this size.
    Size size_for_client(int a_width, int a_height) const;
    // The window size that shows the client at its requested size.
    Size get_preferred_size() const;
    // Opens the window modeless on a_desktop at its preferred size (the desktop's where that is
    // smaller), in the middle. Inside an input handler (a menu's command, say) nothing is measured
    // until the handler is done: the window takes its size and place as soon as its client is
    // measured.
    void open_centred(Desktop& a_desktop);
    int get_title_bar_height() const;

    void set_movable(bool a_movable) noexcept { m_movable = a_movable; }
    bool is_movable() const noexcept { return m_movable; }
    void set_size_limits(Size a_minimum, Size a_maximum);

    // Edges of the border at the point (window coordinates): ResizeEdge bits, 0 for none.
    unsigned hit_test(int a_x, int a_y) const;
    // The resize cursor for a mask of edges (the default cursor for none).
    static MouseCursor cursor_for_edges(unsigned a_mask);
    // The close button's action: the query, then close unless a slot said no.
    void request_close();

    Orvo::Signal1<NormalWindowEvents::OnCloseQuery&> m_on_close_query;

    static constexpr int border_width = 4;
    const char16_t* get_widget_class() const override { return u"NormalWindow"; }

protected:
    void resized() override;
    void handle_input(InputEvent& a_event) override;
    void active_changed() override;

private:
    friend class NormalWindowTitleBar;
    void p_begin_move(int a_desktop_x, int a_desktop_y);
    void p_move(int a_desktop_x, int a_desktop_y);
    void p_layout();
    void p_centre();
    void p_on_client_sizes(WidgetEvent& a_event);

    std::u16string m_title;
    NormalWindowTitleBar* m_title_bar;
    NormalWindowContents* m_contents;
    Widget* m_client = nullptr;
    bool m_movable = true;
    bool m_centre_pending = false;
    Size m_minimum{120, 60};
    Size m_maximum{65536, 65536};
    unsigned m_resize_mask = 0;
    bool m_moving = false;
    int m_grab_x = 0; // the press in desktop coordinates
    int m_grab_y = 0;
    Rect m_grab_rect; // the window's rectangle at the press
};

} // namespace Vexa
