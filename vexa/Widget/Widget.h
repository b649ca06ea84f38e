#pragma once
// The node of every toolkit user interface: a rectangle in a tree that paints itself and takes
// input. This is the part that windows and desktops need; measuring, layouts and the deferred
// update queues grow on top of it.
//
// A widget owns its children (the last child is on top) and deletes them with itself. Positions
// are relative to the parent; a toolkit window is the root of its tree and is positioned in its
// desktop.

#include "orvo/Signals/Signal1.h"
#include "vexa/Graphics/Frame.h"
#include "vexa/Graphics/Geometry.h"
#include "vexa/Widget/InputEvent.h"
#include "vexa/Widget/MouseCursor.h"

#include <array>
#include <vector>

namespace Vexa {

class Desktop;
class Painter;
class Window;

enum FocusPolicy { FocusPolicy_CLICK = 1, FocusPolicy_TAB = 2 };

class Widget {
public:
    Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget();

    // Takes ownership of the child.
    void add_child(Widget* a_child);
    // Gives ownership back to the caller. Fails `a_widget` and `a_widget->m_parent == this`.
    void remove_child(Widget* a_widget);
    Widget* get_parent() const noexcept { return m_parent; }
    const std::vector<Widget*>& get_children() const noexcept { return m_children; }
    int get_depth() const noexcept { return m_depth; }
    Desktop* get_desktop() const noexcept { return m_desktop; }
    Window* get_window() const noexcept { return m_window; }

    Rect get_rect() const noexcept { return m_rect; }
    int get_width() const noexcept { return m_rect.width; }
    int get_height() const noexcept { return m_rect.height; }
    // Position and size in the parent's coordinates (in the desktop's for a window).
    void set_geometry(int a_x, int a_y, int a_width, int a_height);
    void set_geometry(const Rect& a_rect) {
        set_geometry(a_rect.x, a_rect.y, a_rect.width, a_rect.height);
    }
    // The rectangle in the coordinates of the containing window's bitmap.
    Rect get_rect_in_window() const;
    // The rectangle in desktop (native client) coordinates.
    Rect get_rect_in_desktop() const;

    void show();
    void hide();
    bool is_hidden() const noexcept { return m_hidden; }
    // In a desktop, inside an open and displayed window, and neither it nor an ancestor hidden.
    bool is_displayed() const;
    void set_enabled(bool a_enabled);
    bool is_enabled() const noexcept { return m_enabled; }

    void set_frame(const Frame& a_frame);
    const Frame& get_frame() const noexcept { return m_frame; }
    // The area inside the border, in the widget's own coordinates.
    Rect get_content_rect() const;

    void set_accepts(InputEventType a_type, bool a_accepts);
    bool accepts(InputEventType a_type) const;
    // Fails `a_type < InputEventType_ENUM_SIZE`.
    void set_input_event_propagation_filter(InputEventType a_type, bool a_propagate);
    bool propagates(InputEventType a_type) const;
    void set_focus_policy(unsigned a_policy) noexcept { m_focus_policy = a_policy; }
    unsigned get_focus_policy() const noexcept { return m_focus_policy; }
    void set_cursor(MouseCursor a_cursor) noexcept { m_cursor = a_cursor; }
    MouseCursor get_cursor() const noexcept { return m_cursor; }

    // The topmost displayed child whose rectangle holds the point (own coordinates), or null.
    virtual Widget* child_at_point(int a_x, int a_y, unsigned a_flags);

    // The widget is painted again at the next update of its window.
    void repaint();
    // Paints the frame, the content and the displayed children into the window's bitmap; `a_clip`
    // is in bitmap coordinates.
    void paint(Painter& a_painter, const Rect& a_clip);
    // Delivers one event to this widget: its own handling, then the signal of the type.
    void deliver(InputEvent& a_event);

    Orvo::Signal1<InputEvent&>& get_input_signal(InputEventType a_type);
    Orvo::Signal1<PaintEvent&>& get_paint_signal() noexcept { return m_on_paint; }

protected:
    virtual void paint_content(Painter&) {}
    virtual void handle_input(InputEvent&) {}
    // The size changed: place the children.
    virtual void resized() {}
    // Whether a root (a widget without parent) counts as displayed; windows override it.
    virtual bool p_is_root_displayed() const { return false; }
    // Gives the whole tree its desktop and window.
    void p_set_desktop(Desktop* a_desktop, Window* a_window);

private:
    friend class Desktop;
    void p_set_depth(int a_depth);

    Widget* m_parent = nullptr;
    std::vector<Widget*> m_children;
    int m_depth = 0;
    Desktop* m_desktop = nullptr;
    Window* m_window = nullptr;
    Rect m_rect;
    bool m_hidden = false;
    bool m_enabled = true;
    Frame m_frame;
    unsigned m_focus_policy = 0;
    MouseCursor m_cursor = MouseCursor_DEFAULT;
    std::array<bool, InputEventType_ENUM_SIZE> m_accepts{};
    std::array<bool, InputEventType_ENUM_SIZE> m_propagates{};
    std::array<Orvo::Signal1<InputEvent&>, InputEventType_ENUM_SIZE> m_input_signals;
    Orvo::Signal1<PaintEvent&> m_on_paint;
};

} // namespace Vexa
