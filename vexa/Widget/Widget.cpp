#include "vexa/Widget/Widget.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Exception.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widget/WidgetStyleManager.h"
#include "vexa/Window/Window.h"

#include <optional>
#include <utility>

#include <algorithm>

namespace Vexa {

Widget::Widget() {
    // Every widget takes every event and passes what it does not consume on to its parent.
    m_accepts.fill(true);
    m_propagates.fill(true);
}

Widget::~Widget() {
    m_being_destroyed = true;
    m_connections.disconnect_all();
    p_delete_children();
    // A window's queues go with it; its own tree was deleted while they stood.
    if (m_window && m_window != this)
        m_window->get_update_queues().remove(this);
    if (m_desktop)
        m_desktop->p_forget_widget(this);
    if (m_parent) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void Widget::p_delete_children() {
    while (!m_children.empty()) {
        Widget* child = m_children.back();
        m_children.pop_back();
        child->m_parent = nullptr;
        delete child;
    }
}

// Tree -------------------------------------------------------------------------------------------

void Widget::add_child(Widget* a_child) {
    ORVO_ASSERT(a_child);
    ORVO_ASSERT(!a_child->m_parent);
    m_children.push_back(a_child);
    a_child->m_parent = this;
    a_child->p_set_depth(m_depth + 1);
    a_child->p_set_desktop(m_desktop, m_window);
    a_child->p_update_displayed();
    p_mark_mouse_over_stale();
    request_measure();
    request_placement();
}

void Widget::remove_child(Widget* a_widget) {
    ORVO_ASSERT(a_widget);
    ORVO_ASSERT(a_widget->m_parent == this);
    if (a_widget->m_displayed)
        p_repaint_in_window(a_widget->get_rect_in_window());
    a_widget->p_detach();
    request_measure();
    request_placement();
}

// The focus widget hears that it lost the focus when it (or an ancestor) leaves the tree or is
// hidden, while it is still whole.
void Widget::p_give_up_focus() {
    if (!m_desktop)
        return;
    for (Widget* widget = m_desktop->get_focus_widget(); widget; widget = widget->m_parent)
        if (widget == this) {
            m_desktop->set_focus_widget(nullptr);
            return;
        }
}

void Widget::p_detach() {
    Widget* parent = m_parent;
    p_give_up_focus();
    if (m_desktop)
        m_desktop->p_forget_widget(this);
    p_set_desktop(nullptr, nullptr);
    if (parent) {
        std::erase(parent->m_children, this);
        m_parent = nullptr;
        parent->p_mark_mouse_over_stale();
    }
    p_set_depth(0);
    p_update_displayed();
}

void Widget::p_set_depth(int a_depth) {
    m_depth = a_depth;
    for (Widget* child : m_children)
        child->p_set_depth(a_depth + 1);
}

void Widget::p_set_desktop(Desktop* a_desktop, Window* a_window) {
    Desktop* const old_desktop = m_desktop;
    if (m_window && a_window != m_window)
        m_window->get_update_queues().remove(this);
    m_desktop = a_desktop;
    m_window = a_window;
    for (Widget* child : m_children)
        child->p_set_desktop(a_desktop, a_window);
    if (old_desktop == a_desktop)
        return;
    if (a_desktop) {
        request_restyle();
        request_measure();
    }
    WidgetEvents::OnDesktopChanged event{this, old_desktop, a_desktop};
    m_on_desktop_changed.emit(event);
}

void Widget::destroy() {
    if (m_being_destroyed)
        return;
    if (!m_desktop || !m_window) {
        if (m_parent)
            p_detach();
        p_destroy_now();
        return;
    }
    if (p_is_window_root()) {
        // A window cannot be deleted from its own queues while they are being worked on; the
        // desktop's queue holds it instead.
        if (m_desktop->get_update_queues().add(this, WidgetUpdate_DESTROY))
            m_desktop->get_update_manager().request_flush();
        return;
    }
    p_request(WidgetUpdate_DESTROY);
}

bool Widget::p_is_window_root() const noexcept {
    return m_window == this && m_desktop && static_cast<const Widget*>(m_desktop) != this;
}

void Widget::p_destroy_now() {
    m_being_destroyed = true;
    WidgetEvent destroying{this};
    m_on_destroying.emit(destroying);
    while (!m_children.empty())
        m_children.back()->p_destroy_now();
    if (m_parent && m_displayed)
        m_parent->p_repaint_in_window(get_rect_in_window());
    if (p_is_window_root())
        m_desktop->p_remove_window(static_cast<Window*>(this));
    if (m_parent || m_desktop)
        p_detach();
    WidgetEvent destroyed{this};
    m_on_destroyed.emit(destroyed);
    m_connections.disconnect_all();
    delete this;
}

std::uint64_t Widget::get_parental_data(const Widget* a_child) const {
    ORVO_ASSERT(a_child);
    ORVO_ASSERT(a_child->m_parent == this);
    return a_child->m_parental_data;
}

void Widget::set_parental_data(Widget* a_child, std::uint64_t a_value) {
    ORVO_ASSERT(a_child);
    ORVO_ASSERT(a_child->m_parent == this);
    a_child->m_parental_data = a_value;
}

// Geometry ---------------------------------------------------------------------------------------

void Widget::set_geometry(int a_x, int a_y, int a_width, int a_height) {
    const Rect rect{a_x, a_y,
                    std::clamp(a_width, m_requested.get_minimum_width(),
                               std::max(m_requested.get_maximum_width(), 0)),
                    std::clamp(a_height, m_requested.get_minimum_height(),
                               std::max(m_requested.get_maximum_height(), 0))};
    if (rect == m_rect)
        return;
    const Rect old_rect = m_rect;
    const bool resized_too = rect.width != old_rect.width || rect.height != old_rect.height;
    std::optional<UpdateManager::Suspension> suspension;
    if (m_desktop)
        suspension.emplace(m_desktop->get_update_manager());
    const Rect old_in_window = get_rect_in_window();
    m_rect = rect;
    WidgetEvents::OnGeometryChanged event{this, old_rect, rect};
    m_on_geometry_changed.emit(event);
    p_mark_mouse_over_stale();
    if (resized_too)
        request_placement();
    if (m_parent) {
        // Children show only inside their parent: a scrolled content far taller than its
        // viewport must not repaint the window along its whole length.
        if (m_parent->m_displayed)
            m_parent->p_repaint_in_window(old_in_window.united(get_rect_in_window())
                                              .intersected(m_parent->get_rect_in_window()));
    } else if (m_desktop && m_window == this && m_desktop != this && m_displayed) {
        // A window that moves or resizes changes what the desktop shows in both places.
        m_desktop->p_invalidate(old_rect.united(rect));
    }
    if (resized_too)
        repaint();
}

Rect Widget::get_rect_in_window() const {
    Rect rect{0, 0, m_rect.width, m_rect.height};
    for (const Widget* widget = this; widget->m_parent; widget = widget->m_parent)
        rect = rect.translated(widget->m_rect.x, widget->m_rect.y);
    return rect;
}

Rect Widget::get_rect_in_desktop() const {
    Rect rect = get_rect_in_window();
    if (m_window && m_window != static_cast<const Widget*>(m_desktop))
        rect = rect.translated(m_window->get_rect().x, m_window->get_rect().y);
    return rect;
}

// Box model --------------------------------------------------------------------------------------

Rect Widget::get_border_box() const {
    return {m_margins.left, m_margins.top,
            std::max(m_rect.width - m_margins.left - m_margins.right, 0),
            std::max(m_rect.height - m_margins.top - m_margins.bottom, 0)};
}

Rect Widget::get_padding_box() const {
    const Rect box = get_border_box();
    const Border& border = m_frame.border;
    return {box.x + border.get_left_width(), box.y + border.get_top_width(),
            std::max(box.width - border.get_left_width() - border.get_right_width(), 0),
            std::max(box.height - border.get_top_width() - border.get_bottom_width(), 0)};
}

Rect Widget::get_content_rect() const {
    const Rect box = get_padding_box();
    return {box.x + m_paddings.left, box.y + m_paddings.top,
            std::max(box.width - m_paddings.left - m_paddings.right, 0),
            std::max(box.height - m_paddings.top - m_paddings.bottom, 0)};
}

Size Widget::get_box_extras() const {
    const Border& border = m_frame.border;
    return {m_margins.left + m_margins.right + border.get_left_width() + border.get_right_width() +
                m_paddings.left + m_paddings.right,
            m_margins.top + m_margins.bottom + border.get_top_width() + border.get_bottom_width() +
                m_paddings.top + m_paddings.bottom};
}

void Widget::set_frame(const Frame& a_frame) {
    m_frame = a_frame;
    request_measure();
    request_placement();
    repaint();
}

void Widget::set_border(const Border& a_border) {
    set_frame({a_border, m_frame.background});
}

void Widget::set_background(const GdiPlus_Brush& a_brush) {
    m_frame.background = a_brush;
    repaint();
}

void Widget::set_margins(const BoxSides& a_margins) {
    if (a_margins == m_margins)
        return;
    m_margins = a_margins;
    request_measure();
    request_placement();
    repaint();
}

void Widget::set_paddings(const BoxSides& a_paddings) {
    if (a_paddings == m_paddings)
        return;
    m_paddings = a_paddings;
    request_measure();
    request_placement();
    repaint();
}

void Widget::set_font(const GdiPlus_Font& a_font) {
    m_font = a_font;
    request_measure();
    repaint();
}

const GdiPlus_Font& Widget::get_font() const {
    return m_font.is_null() ? Toolkit::get().get_stock().default_font : m_font;
}

void Widget::set_text_color(GdiPlus_Color a_color) {
    m_text_color = a_color;
    repaint();
}

// Sizes ------------------------------------------------------------------------------------------

void Widget::set_size_constraints(const WidgetSizeValues& a_constraints) {
    m_requested.set_constraints(a_constraints);
}

void Widget::set_size_constraint(WidgetSizeIndex a_index, int a_value) {
    m_requested.set_constraint(a_index, a_value);
}

void Widget::set_adjust_width_to_contents(bool a_adjust) {
    if (std::exchange(m_adjust_width, a_adjust) != a_adjust)
        request_measure();
}

void Widget::set_adjust_height_to_contents(bool a_adjust) {
    if (std::exchange(m_adjust_height, a_adjust) != a_adjust)
        request_measure();
}

void Widget::set_horizontally_stretchable(bool a_stretchable) {
    if (std::exchange(m_horizontally_stretchable, a_stretchable) != a_stretchable)
        request_measure();
}

void Widget::set_vertically_stretchable(bool a_stretchable) {
    if (std::exchange(m_vertically_stretchable, a_stretchable) != a_stretchable)
        request_measure();
}

void Widget::p_measured_sizes_changed() {
    m_requested.recompute();
}

void Widget::p_requested_sizes_changed() {
    WidgetEvent event{this};
    m_on_sizes_changed.emit(event);
    if (m_parent && !m_parent->m_being_destroyed) {
        WidgetEvent child_event{this};
        m_parent->m_on_child_sizes_changed.emit(child_event);
        // A parent measures from its children's requested sizes.
        m_parent->request_measure();
    }
    set_geometry(m_rect);
}

// Deferred updates -------------------------------------------------------------------------------

bool Widget::p_request(WidgetUpdate a_kind) {
    if (!m_desktop || !m_window || m_being_destroyed)
        return false;
    if ((a_kind == WidgetUpdate_PLACEMENT || a_kind == WidgetUpdate_REPAINT) && !m_displayed)
        return false;
    if (!m_window->get_update_queues().add(this, a_kind))
        return false;
    m_desktop->get_update_manager().request_flush();
    return true;
}

void Widget::request_restyle() {
    p_request(WidgetUpdate_RESTYLE);
}

void Widget::request_measure() {
    p_request(WidgetUpdate_MEASURE);
}

void Widget::request_placement() {
    p_request(WidgetUpdate_PLACEMENT);
}

void Widget::repaint() {
    p_repaint_in_window(get_rect_in_window());
}

void Widget::repaint(const Rect& a_rect) {
    const Rect in_window = get_rect_in_window();
    p_repaint_in_window(a_rect.translated(in_window.x, in_window.y));
}

void Widget::p_repaint_in_window(const Rect& a_rect) {
    if (!m_displayed || !m_desktop || a_rect.is_empty())
        return;
    m_pending_repaint = m_pending_repaint.united(a_rect);
    p_request(WidgetUpdate_REPAINT);
}

void Widget::p_mark_mouse_over_stale() {
    if (m_desktop)
        m_desktop->p_mark_mouse_over_stale();
}

void Widget::p_restyle_now() {
    WidgetStyleManager::restyle(*this);
}

void Widget::p_measure_now() {
    const Size extras = get_box_extras();
    WidgetEvents::OnMeasure event{
        this, extras, {widget_size_limit, widget_size_limit}, extras, extras};
    measure_content(event);
    m_on_measure.emit(event);
    // A widget that adjusts to its contents is given no more room than they ask for.
    if (m_adjust_width)
        event.maximum.width = event.requested.width;
    if (m_adjust_height)
        event.maximum.height = event.requested.height;
    m_measured.set_raw({event.minimum.width, event.maximum.width, event.requested.width,
                        event.minimum.height, event.maximum.height, event.requested.height});
}

void Widget::p_place_now() {
    if (!m_displayed)
        return;
    resized();
    WidgetEvent event{this};
    m_on_placement.emit(event);
}

// State ------------------------------------------------------------------------------------------

void Widget::p_update_displayed() {
    const bool displayed =
        !m_hidden && m_desktop && (m_parent ? m_parent->m_displayed : p_is_root_displayed());
    if (displayed == m_displayed)
        return;
    m_displayed = displayed;
    for (Widget* child : m_children)
        child->p_update_displayed();
    if (displayed) {
        request_placement();
        repaint();
    }
}

void Widget::show() {
    if (!m_hidden)
        return;
    m_hidden = false;
    p_update_displayed();
    p_mark_mouse_over_stale();
}

void Widget::hide() {
    if (m_hidden)
        return;
    if (m_displayed && m_parent)
        m_parent->p_repaint_in_window(get_rect_in_window());
    p_give_up_focus();
    m_hidden = true;
    p_update_displayed();
    p_mark_mouse_over_stale();
    if (m_desktop)
        m_desktop->p_forget_widget(this);
}

void Widget::set_enabled(bool a_enabled) {
    if (m_enabled == a_enabled)
        return;
    m_enabled = a_enabled;
    // The "enabled" switch may pick another case of the sheet.
    request_restyle();
    repaint();
}

void Widget::set_style_subclass(const Orvo::WString& a_subclass) {
    m_style_subclass = a_subclass;
    request_restyle();
}

// Input and focus --------------------------------------------------------------------------------

void Widget::set_accepts(InputEventType a_type, bool a_accepts) {
    ORVO_ASSERT(a_type < InputEventType_ENUM_SIZE);
    m_accepts[a_type] = a_accepts;
}

bool Widget::accepts(InputEventType a_type) const {
    return a_type < InputEventType_ENUM_SIZE && m_accepts[a_type];
}

void Widget::set_input_event_propagation_filter(InputEventType a_type, bool a_propagate) {
    ORVO_ASSERT(a_type < InputEventType_ENUM_SIZE);
    m_propagates[a_type] = a_propagate;
}

bool Widget::propagates(InputEventType a_type) const {
    return a_type < InputEventType_ENUM_SIZE && m_propagates[a_type];
}

bool Widget::can_focus(int a_reason) const {
    bool allowed = false;
    switch (a_reason) {
    case FocusReason_PROGRAM:
        allowed = true;
        break;
    case FocusReason_CLICK:
        allowed = m_focus_policy & FocusPolicy_CLICK;
        break;
    case FocusReason_TAB:
        allowed = m_focus_policy & FocusPolicy_TAB;
        break;
    default:
        throw Orvo::Exception(Orvo::WString(u"Widget::can_focus(): unknown focus reason."));
    }
    return allowed && m_displayed && m_desktop;
}

bool Widget::set_focus(int a_reason, int a_button, int a_x, int a_y) {
    if (!can_focus(a_reason))
        return false;
    m_desktop->p_set_focus(this, a_reason, a_button, a_x, a_y);
    return has_focus();
}

bool Widget::has_focus() const {
    return m_desktop && m_desktop->get_focus_widget() == this;
}

Widget* Widget::child_at_point(int a_x, int a_y, unsigned) {
    // Children are painted clipped to the content box, so what lies outside it (a scrolled part,
    // a child overhanging the padding) is not there to be hit either.
    if (!get_content_rect().contains(a_x, a_y))
        return nullptr;
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child)
        if ((*child)->m_displayed && (*child)->m_rect.contains(a_x, a_y))
            return *child;
    return nullptr;
}

// Painting and delivery --------------------------------------------------------------------------

void Widget::paint(Painter& a_painter, const Rect& a_clip) {
    if (!m_displayed)
        return;
    const Rect rect = get_rect_in_window();
    const Rect visible = rect.intersected(a_clip);
    if (visible.is_empty())
        return;
    const Rect border_box = get_border_box().translated(rect.x, rect.y);
    a_painter.begin_region(border_box);
    a_painter.clip_to(visible);
    a_painter.fill_rectangle({0, 0, border_box.width, border_box.height}, m_frame.background);
    m_frame.border.draw(a_painter, 0, 0, border_box.width, border_box.height);
    a_painter.begin_region(rect);
    a_painter.clip_to(visible);
    paint_content(a_painter);
    PaintEvent event{this, &a_painter};
    m_on_paint.emit(event);
    const Rect content = get_content_rect().translated(rect.x, rect.y).intersected(visible);
    if (content.is_empty())
        return;
    for (Widget* child : m_children)
        child->paint(a_painter, content);
}

void Widget::deliver(InputEvent& a_event) {
    a_event.widget = this;
    handle_input(a_event);
    if (a_event.type < InputEventType_ENUM_SIZE)
        m_input_signals[a_event.type].emit(a_event);
}

Orvo::Signal1<InputEvent&>& Widget::get_input_signal(InputEventType a_type) {
    ORVO_ASSERT(a_type < InputEventType_ENUM_SIZE);
    return m_input_signals[a_type];
}

} // namespace Vexa
