#pragma once
// The five kinds of deferred work a toolkit window keeps for its widgets. A widget is in each
// queue at most once (its own flags say where it is). The measure queue is kept deepest first, so
// that children are measured before their parents.
//
// A queue being worked on is moved to a scratch list; a widget that leaves the window meanwhile is
// blanked out there, so the flush never touches it again. Both lists keep their storage, so a
// window with nothing to do allocates nothing.

#include <array>
#include <vector>

namespace Vexa {

class Widget;

enum WidgetUpdate {
    WidgetUpdate_DESTROY = 0,
    WidgetUpdate_RESTYLE = 1,
    WidgetUpdate_MEASURE = 2,
    WidgetUpdate_PLACEMENT = 3,
    WidgetUpdate_REPAINT = 4,
    WidgetUpdate_ENUM_SIZE = 5,
};

class WindowUpdateQueues {
public:
    // False when the widget was already queued.
    bool add(Widget* a_widget, WidgetUpdate a_kind);
    // Takes the widget out of every queue and out of the list being worked on.
    void remove(Widget* a_widget);
    bool is_empty(WidgetUpdate a_kind) const noexcept { return m_queues[a_kind].empty(); }
    bool is_empty() const noexcept;
    std::size_t get_size(WidgetUpdate a_kind) const noexcept { return m_queues[a_kind].size(); }
    bool contains(const Widget* a_widget, WidgetUpdate a_kind) const;

    // Calls a_work for every widget queued, in queue order, until the queue stays empty. The
    // widget's flag is cleared just before a_work sees it, so a_work may queue it again.
    template <class Work>
    void drain(WidgetUpdate a_kind, Work&& a_work) {
        while (!m_queues[a_kind].empty()) {
            m_working.swap(m_queues[a_kind]);
            for (std::size_t i = 0; i < m_working.size(); ++i)
                if (Widget* widget = m_working[i]) {
                    p_clear_flag(widget, a_kind);
                    a_work(widget);
                }
            m_working.clear();
        }
    }

private:
    static void p_clear_flag(Widget* a_widget, WidgetUpdate a_kind);

    std::array<std::vector<Widget*>, WidgetUpdate_ENUM_SIZE> m_queues;
    std::vector<Widget*> m_working;
};

} // namespace Vexa
