#include "vexa/Widget/WindowUpdateQueues.h"

#include "vexa/Widget/Widget.h"

#include <algorithm>

namespace Vexa {

bool WindowUpdateQueues::add(Widget* a_widget, WidgetUpdate a_kind) {
    if (a_widget->m_queued[a_kind])
        return false;
    a_widget->m_queued[a_kind] = true;
    auto& queue = m_queues[a_kind];
    if (a_kind == WidgetUpdate_MEASURE || a_kind == WidgetUpdate_DESTROY) {
        // Deepest first; among equals, in the order asked.
        const int depth = a_widget->get_depth();
        auto position = std::find_if(queue.begin(), queue.end(), [depth](const Widget* a_each) {
            return a_each->get_depth() < depth;
        });
        queue.insert(position, a_widget);
    } else {
        queue.push_back(a_widget);
    }
    return true;
}

void WindowUpdateQueues::remove(Widget* a_widget) {
    // A widget whose flag is clear is in no queue of that kind, so a tree of widgets going at once
    // costs no search of the queues per widget. A set flag is no proof it is in this window's
    // queue: a window stands in its desktop's destroy queue, not its own.
    for (int kind = 0; kind < WidgetUpdate_ENUM_SIZE; ++kind)
        if (a_widget->m_queued[kind] && std::erase(m_queues[kind], a_widget) > 0)
            a_widget->m_queued[kind] = false;
    std::replace(m_working.begin(), m_working.end(), a_widget, static_cast<Widget*>(nullptr));
}

bool WindowUpdateQueues::is_empty() const noexcept {
    for (const auto& queue : m_queues)
        if (!queue.empty())
            return false;
    return true;
}

bool WindowUpdateQueues::contains(const Widget* a_widget, WidgetUpdate a_kind) const {
    return std::find(m_queues[a_kind].begin(), m_queues[a_kind].end(), a_widget) !=
           m_queues[a_kind].end();
}

void WindowUpdateQueues::p_clear_flag(Widget* a_widget, WidgetUpdate a_kind) {
    a_widget->m_queued[a_kind] = false;
}

} // namespace Vexa
