#pragma once
// The node of every toolkit user interface: a rectangle in a tree with a box model (margins,
// border, padding, content), a two-stage size model, deferred updates (destroy, restyle,
// measure, placement, repaint) carried out by its window's queues, input and focus, and a signal
// for each event.
//
// A widget owns its children (the last child is on top) and deletes them with itself. Positions
// are relative to the parent; a toolkit window is the root of its tree and is positioned in its
// desktop.

#include "orvo/Core/String.h"
#include "orvo/Signals/MethodSlot1.h"
#include "orvo/Signals/Signal1.h"
#include "vexa/Graphics/Frame.h"
#include "vexa/Graphics/GdiPlus_Color.h"
#include "vexa/Graphics/GdiPlus_Font.h"
#include "vexa/Graphics/Geometry.h"
#include "vexa/Widget/InputEvent.h"
#include "vexa/Widget/MouseCursor.h"
#include "vexa/Widget/WidgetConnectionManager.h"
#include "vexa/Widget/WidgetEvents.h"
#include "vexa/Widget/WidgetHint.h"
#include "vexa/Widget/WidgetSizes.h"
#include "vexa/Widget/WindowUpdateQueues.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Vexa {

class Desktop;
class Painter;
class Window;

enum FocusPolicy { FocusPolicy_CLICK = 1, FocusPolicy_TAB = 2 };

enum FocusReason { FocusReason_PROGRAM = 0, FocusReason_CLICK = 1, FocusReason_TAB = 3 };

// Four sides of a margin or padding, stored in this order.
struct BoxSides {
    int bottom = 0;
    int left = 0;
    int right = 0;
    int top = 0;
    bool operator==(const BoxSides&) const = default;
};

class Widget {
public:
    Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget();

    // Takes ownership. Queues a measure and a placement of this widget; the child is restyled and
    // measured once it is in a desktop.
    void add_child(Widget* a_child);
    // Gives ownership back to the caller. Fails `a_widget` and `a_widget->m_parent == this`.
    void remove_child(Widget* a_widget);
    // Deletes the widget at its window's next flush (at once when it is in no desktop), so it
    // may be called from the widget's own slots.
    void destroy();
    bool is_being_destroyed() const noexcept { return m_being_destroyed; }
    Widget* get_parent() const noexcept { return m_parent; }
    const std::vector<Widget*>& get_children() const noexcept { return m_children; }
    int get_depth() const noexcept { return m_depth; }
    Desktop* get_desktop() const noexcept { return m_desktop; }
    Window* get_window() const noexcept { return m_window; }

    // What the parent keeps in each child (layouts keep cells there). Fail `a_child` and
    // `a_child->m_parent == this`.
    std::uint64_t get_parental_data(const Widget* a_child) const;
    void set_parental_data(Widget* a_child, std::uint64_t a_value);

    // Geometry -----------------------------------------------------------------------------------
    Rect get_rect() const noexcept { return m_rect; }
    int get_width() const noexcept { return m_rect.width; }
    int get_height() const noexcept { return m_rect.height; }
    // Position and size in the parent's coordinates (in the desktop's for a window). The size is
    // clamped into the requested range.
    void set_geometry(int a_x, int a_y, int a_width, int a_height);
    void set_geometry(const Rect& a_rect) {
        set_geometry(a_rect.x, a_rect.y, a_rect.width, a_rect.height);
    }
    // The rectangle in the coordinates of the containing window's bitmap.
    Rect get_rect_in_window() const;
    // The rectangle in desktop (native client) coordinates.
    Rect get_rect_in_desktop() const;

    // Box model, in the widget's own coordinates -------------------------------------------------
    void set_frame(const Frame& a_frame);
    const Frame& get_frame() const noexcept { return m_frame; }
    void set_border(const Border& a_border);
    void set_background(const GdiPlus_Brush& a_brush);
    void set_margins(const BoxSides& a_margins);
    const BoxSides& get_margins() const noexcept { return m_margins; }
    void set_paddings(const BoxSides& a_paddings);
    const BoxSides& get_paddings() const noexcept { return m_paddings; }
    // Inside the margins.
    Rect get_border_box() const;
    // Inside margins and border.
    Rect get_padding_box() const;
    // Inside margins, border and padding: where the content and the children go.
    Rect get_content_rect() const;
    // Margins, border widths and paddings together, across and down.
    Size get_box_extras() const;
    void set_font(const GdiPlus_Font& a_font);
    // The widget's font, else the toolkit's default font.
    const GdiPlus_Font& get_font() const;
    void set_text_color(GdiPlus_Color a_color);
    GdiPlus_Color get_text_color() const noexcept { return m_text_color; }

    // Sizes --------------------------------------------------------------------------------------
    const WidgetMeasuredSizes& get_measured_sizes() const noexcept { return m_measured; }
    const WidgetRequestedSizes& get_requested_sizes() const noexcept { return m_requested; }
    // The six explicit constraints (WidgetSizeIndex order, -1 = none); recomputed at once.
    void set_size_constraints(const WidgetSizeValues& a_constraints);
    void set_size_constraint(WidgetSizeIndex a_index, int a_value);
    const WidgetSizeValues& get_size_constraints() const noexcept {
        return m_requested.get_constraints();
    }
    // A widget that adjusts its width (height) to its contents never takes more than it asks for:
    // its maximum is its requested size.
    void set_adjust_width_to_contents(bool a_adjust);
    void set_adjust_height_to_contents(bool a_adjust);
    bool is_adjusting_width_to_contents() const noexcept { return m_adjust_width; }
    bool is_adjusting_height_to_contents() const noexcept { return m_adjust_height; }
    void set_horizontally_stretchable(bool a_stretchable);
    void set_vertically_stretchable(bool a_stretchable);
    bool is_horizontally_stretchable() const noexcept { return m_horizontally_stretchable; }
    bool is_vertically_stretchable() const noexcept { return m_vertically_stretchable; }

    // Deferred updates ---------------------------------------------------------------------------
    void request_restyle();
    void request_measure();
    void request_placement();
    // The whole widget is painted again.
    void repaint();
    // Part of it (own coordinates) is painted again.
    void repaint(const Rect& a_rect);
    bool is_queued(WidgetUpdate a_kind) const noexcept { return m_queued[a_kind]; }

    // State --------------------------------------------------------------------------------------
    void show();
    void hide();
    bool is_hidden() const noexcept { return m_hidden; }
    // In a desktop, inside an open and displayed window, and neither it nor an ancestor hidden.
    bool is_displayed() const noexcept { return m_displayed; }
    void set_enabled(bool a_enabled);
    bool is_enabled() const noexcept { return m_enabled; }

    // Input and focus ----------------------------------------------------------------------------
    void set_accepts(InputEventType a_type, bool a_accepts);
    bool accepts(InputEventType a_type) const;
    // Fails `a_type < InputEventType_ENUM_SIZE`.
    void set_input_event_propagation_filter(InputEventType a_type, bool a_propagate);
    bool propagates(InputEventType a_type) const;
    void set_focus_policy(unsigned a_policy) noexcept { m_focus_policy = a_policy; }
    unsigned get_focus_policy() const noexcept { return m_focus_policy; }
    // Fails "Widget::can_focus(): unknown focus reason." for a reason other than 0, 1 and 3.
    bool can_focus(int a_reason) const;
    // Takes the keyboard focus when it may; returns whether it has it.
    bool set_focus(int a_reason, int a_button = 0, int a_x = 0, int a_y = 0);
    bool has_focus() const;
    void set_cursor(MouseCursor a_cursor) noexcept { m_cursor = a_cursor; }
    MouseCursor get_cursor() const noexcept { return m_cursor; }
    void set_hint(WidgetHintRef a_hint) { m_hint = std::move(a_hint); }
    const WidgetHintRef& get_hint() const noexcept { return m_hint; }

    // The topmost displayed child whose rectangle holds the point (own coordinates), or null;
    // null outside the content box, where children are not painted.
    virtual Widget* child_at_point(int a_x, int a_y, unsigned a_flags);

    // Style --------------------------------------------------------------------------------------
    // The style class a sheet knows this widget by; a class the sheet's registry lacks counts as
    // "Widget".
    virtual const char16_t* get_widget_class() const { return u"Widget"; }
    void set_style_subclass(const Orvo::WString& a_subclass);
    const Orvo::WString& get_style_subclass() const noexcept { return m_style_subclass; }

    // Paints the frame, the content and the displayed children into the window's bitmap; `a_clip`
    // is in bitmap coordinates.
    void paint(Painter& a_painter, const Rect& a_clip);
    // Delivers one event to this widget: its own handling, then the signal of the type.
    void deliver(InputEvent& a_event);

    // Signals ------------------------------------------------------------------------------------
    Orvo::Signal1<InputEvent&>& get_input_signal(InputEventType a_type);
    Orvo::Signal1<PaintEvent&>& get_paint_signal() noexcept { return m_on_paint; }
    Orvo::Signal1<InputEvent&>& on_keyboard_down() { return m_input_signals[0]; }
    Orvo::Signal1<InputEvent&>& on_keyboard_string() { return m_input_signals[1]; }
    Orvo::Signal1<InputEvent&>& on_keyboard_up() { return m_input_signals[2]; }
    Orvo::Signal1<InputEvent&>& on_mouse_down() { return m_input_signals[3]; }
    Orvo::Signal1<InputEvent&>& on_mouse_hover() { return m_input_signals[4]; }
    Orvo::Signal1<InputEvent&>& on_mouse_moved() { return m_input_signals[6]; }
    Orvo::Signal1<InputEvent&>& on_mouse_out() { return m_input_signals[7]; }
    Orvo::Signal1<InputEvent&>& on_mouse_over() { return m_input_signals[8]; }
    Orvo::Signal1<InputEvent&>& on_mouse_up() { return m_input_signals[9]; }
    Orvo::Signal1<InputEvent&>& on_mouse_wheel() { return m_input_signals[10]; }

    Orvo::Signal1<WidgetEvents::OnDesktopChanged&> m_on_desktop_changed;
    Orvo::Signal1<WidgetEvents::OnGeometryChanged&> m_on_geometry_changed;
    Orvo::Signal1<WidgetEvents::OnFocusIn&> m_on_focus_in;
    Orvo::Signal1<WidgetEvents::OnFocusOut&> m_on_focus_out;
    Orvo::Signal1<WidgetEvents::OnMeasure&> m_on_measure;
    Orvo::Signal1<WidgetEvent&> m_on_destroying;
    Orvo::Signal1<WidgetEvent&> m_on_destroyed;
    // `widget` is the child whose requested sizes changed.
    Orvo::Signal1<WidgetEvent&> m_on_child_sizes_changed;
    // The children must be placed inside the content box.
    Orvo::Signal1<WidgetEvent&> m_on_placement;
    Orvo::Signal1<WidgetEvent&> m_on_sizes_changed;
    // The desktop let go of the mouse grab this widget held before the button came up (the
    // native window lost the pointer capture or its activation, or input was switched off): no
    // mouse-up will follow, so a gesture in progress must end here.
    Orvo::Signal1<WidgetEvent&> m_on_mouse_grab_lost;

    // Connections cut when the widget is destroyed: connect this widget's slots through it.
    WidgetConnectionManager& get_connection_manager() noexcept { return m_connections; }
    template <class E, class C>
    Orvo::Connection* connect(Orvo::Signal1<E&>& a_signal, C* a_receiver, void (C::*a_method)(E&)) {
        Orvo::Connection* connection =
            a_signal.connect(new Orvo::MethodSlot1<void(E&), C>(a_receiver, a_method));
        m_connections.add_connection(connection);
        return connection;
    }

protected:
    virtual void paint_content(Painter&) {}
    virtual void handle_input(InputEvent&) {}
    // Place the children (the placement step); the placement signal follows.
    virtual void resized() {}
    // Adds the content's needs before the measure signal's slots run.
    virtual void measure_content(WidgetEvents::OnMeasure&) {}
    // Whether a root (a widget without parent) counts as displayed; windows override it.
    virtual bool p_is_root_displayed() const { return false; }
    // Gives the whole tree its desktop and window.
    void p_set_desktop(Desktop* a_desktop, Window* a_window);
    // Recomputes the displayed state of this widget and its children.
    void p_update_displayed();
    // For a window, whose queues must outlive its tree.
    void p_delete_children();

private:
    friend class Desktop;
    friend class WindowUpdateQueues;
    friend class WidgetMeasuredSizes;
    friend class WidgetRequestedSizes;

    void p_set_depth(int a_depth);
    bool p_is_window_root() const noexcept;
    void p_give_up_focus();
    bool p_request(WidgetUpdate a_kind);
    // A rectangle in window coordinates to paint again, as part of this widget.
    void p_repaint_in_window(const Rect& a_rect);
    void p_measured_sizes_changed();
    void p_requested_sizes_changed();
    void p_mark_mouse_over_stale();
    // Flush steps for this widget.
    void p_restyle_now();
    void p_measure_now();
    void p_place_now();
    void p_destroy_now();
    void p_detach();

    Widget* m_parent = nullptr;
    std::vector<Widget*> m_children;
    int m_depth = 0;
    Desktop* m_desktop = nullptr;
    Window* m_window = nullptr;
    Rect m_rect;
    bool m_hidden = false;
    bool m_enabled = true;
    bool m_displayed = false;
    bool m_being_destroyed = false;
    Frame m_frame;
    BoxSides m_margins;
    BoxSides m_paddings;
    GdiPlus_Font m_font;
    GdiPlus_Color m_text_color{0xFF202020};
    WidgetMeasuredSizes m_measured{this};
    WidgetRequestedSizes m_requested{m_measured, this};
    bool m_adjust_width = false;
    bool m_adjust_height = false;
    bool m_horizontally_stretchable = false;
    bool m_vertically_stretchable = false;
    std::uint64_t m_parental_data = 0;
    unsigned m_focus_policy = 0;
    MouseCursor m_cursor = MouseCursor_DEFAULT;
    WidgetHintRef m_hint;
    Orvo::WString m_style_subclass;
    std::array<bool, WidgetUpdate_ENUM_SIZE> m_queued{};
    Rect m_pending_repaint; // window coordinates
    std::array<bool, InputEventType_ENUM_SIZE> m_accepts{};
    std::array<bool, InputEventType_ENUM_SIZE> m_propagates{};
    std::array<Orvo::Signal1<InputEvent&>, InputEventType_ENUM_SIZE> m_input_signals;
    Orvo::Signal1<PaintEvent&> m_on_paint;
    WidgetConnectionManager m_connections;
};

} // namespace Vexa
