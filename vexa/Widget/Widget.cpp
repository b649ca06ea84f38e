#include "vexa/Widget/Widget.h"

#include "orvo/Core/Assert.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Window/Window.h"

#include <algorithm>

namespace Vexa {

Widget::Widget() {
    // Every widget takes every event and passes what it does not consume on to its parent.
    m_accepts.fill(true);
    m_propagates.fill(true);
}

Widget::~Widget() {
    while (!m_children.empty()) {
        Widget* child = m_children.back();
        m_children.pop_back();
        child->m_parent = nullptr;
        delete child;
    }
    if (m_desktop)
        m_desktop->p_forget_widget(this);
    if (m_parent) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void Widget::add_child(Widget* a_child) {
    ORVO_ASSERT(a_child);
    ORVO_ASSERT(!a_child->m_parent);
    m_children.push_back(a_child);
    a_child->m_parent = this;
    a_child->p_set_depth(m_depth + 1);
    a_child->p_set_desktop(m_desktop, m_window);
    repaint();
}

void Widget::remove_child(Widget* a_widget) {
    ORVO_ASSERT(a_widget);
    ORVO_ASSERT(a_widget->m_parent == this);
    repaint();
    if (m_desktop)
        m_desktop->p_forget_widget(a_widget);
    m_children.erase(std::remove(m_children.begin(), m_children.end(), a_widget), m_children.end());
    a_widget->m_parent = nullptr;
    a_widget->p_set_depth(0);
    a_widget->p_set_desktop(nullptr, nullptr);
}

void Widget::p_set_depth(int a_depth) {
    m_depth = a_depth;
    for (Widget* child : m_children)
        child->p_set_depth(a_depth + 1);
}

void Widget::p_set_desktop(Desktop* a_desktop, Window* a_window) {
    m_desktop = a_desktop;
    m_window = a_window;
    for (Widget* child : m_children)
        child->p_set_desktop(a_desktop, a_window);
}

void Widget::set_geometry(int a_x, int a_y, int a_width, int a_height) {
    const Rect rect{a_x, a_y, std::max(a_width, 0), std::max(a_height, 0)};
    if (rect == m_rect)
        return;
    const bool resized_too = rect.width != m_rect.width || rect.height != m_rect.height;
    // The old and the new area are repainted together, once the widget stands in its new place.
    auto apply = [&] {
        repaint();
        m_rect = rect;
        if (resized_too)
            resized();
        repaint();
    };
    if (m_desktop) {
        Desktop::UpdateSuspender suspender(*m_desktop);
        apply();
    } else {
        apply();
    }
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

void Widget::show() {
    if (!m_hidden)
        return;
    m_hidden = false;
    repaint();
}

void Widget::hide() {
    if (m_hidden)
        return;
    repaint();
    m_hidden = true;
}

bool Widget::is_displayed() const {
    if (m_hidden || !m_desktop)
        return false;
    return m_parent ? m_parent->is_displayed() : p_is_root_displayed();
}

void Widget::set_enabled(bool a_enabled) {
    if (m_enabled == a_enabled)
        return;
    m_enabled = a_enabled;
    repaint();
}

void Widget::set_frame(const Frame& a_frame) {
    m_frame = a_frame;
    repaint();
}

Rect Widget::get_content_rect() const {
    const Border& border = m_frame.border;
    return {border.get_left_width(), border.get_top_width(),
            m_rect.width - border.get_left_width() - border.get_right_width(),
            m_rect.height - border.get_top_width() - border.get_bottom_width()};
}

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

Widget* Widget::child_at_point(int a_x, int a_y, unsigned) {
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child)
        if (!(*child)->m_hidden && (*child)->m_rect.contains(a_x, a_y))
            return *child;
    return nullptr;
}

void Widget::repaint() {
    if (m_window && m_desktop)
        m_desktop->p_request_paint(m_window);
}

void Widget::paint(Painter& a_painter, const Rect& a_clip) {
    if (m_hidden)
        return;
    const Rect rect = get_rect_in_window();
    const Rect visible = rect.intersected(a_clip);
    if (visible.is_empty())
        return;
    a_painter.begin_region(rect);
    a_painter.clip_to(visible);
    a_painter.fill_rectangle({0, 0, rect.width, rect.height}, m_frame.background);
    m_frame.border.draw(a_painter, 0, 0, rect.width, rect.height);
    paint_content(a_painter);
    PaintEvent event{this, &a_painter};
    m_on_paint.emit(event);
    const Rect content = get_content_rect().translated(rect.x, rect.y).intersected(visible);
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
