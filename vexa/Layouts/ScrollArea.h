#pragma once
// A vertical viewport onto one content widget that may be taller than the room it is given. The
// content is as wide as the viewport and as tall as it asks (or as the viewport, when it stretches
// vertically), shifted up by the offset; a vertical scroll bar stands at the right edge while the
// content is taller than the viewport, and the wheel anywhere over the area scrolls it. The area
// asks for the content's height, so that nothing scrolls where there is room.

#include "vexa/Layouts/Layout.h"
#include "vexa/Widget/Wwm1.h"

namespace Vexa {

class VerticalScrollBar;

class ScrollArea : public Layout {
public:
    ScrollArea();
    const char16_t* get_widget_class() const override { return u"ScrollArea"; }

    // Takes ownership; a content that was there is destroyed. Null leaves the area empty.
    void set_content(Widget* a_content);
    Widget* get_content() const noexcept { return m_content; }
    // The offset lives in the bar's own model: bind it to no other.
    VerticalScrollBar& get_scroll_bar() const noexcept { return *m_bar; }

    // How far the content is scrolled up, from 0 to the content's height less the viewport's.
    int get_offset() const;
    // Clamped into that range.
    void set_offset(int a_offset);
    // Scrolls the least that brings the rectangle (content coordinates) into view; its top wins
    // when it is taller than the viewport.
    void scroll_to_show(const Rect& a_rect);
    // The same for a widget inside the content, once the layouts have placed it: a panel just
    // added has no place until the next flush. Forgotten if it leaves the content first.
    void scroll_to_show(const Widget& a_descendant);
    // The content box less the scroll bar, when it shows.
    Rect get_viewport() const;

    // The least height the viewport asks for (the scroll bar's own minimum at least).
    void set_minimum_viewport_height(int a_pixels);
    int get_minimum_viewport_height() const noexcept { return m_minimum_viewport_height; }

protected:
    void measure_children(WidgetEvents::OnMeasure& a_event) override;
    void place_children(const Rect& a_content) override;
    void collect_cells(std::vector<Rect>& a_cells) const override;
    void child_leaving(Widget* a_child) override;
    void handle_input(InputEvent& a_event) override;

private:
    void p_on_child_sizes_changed(WidgetEvent& a_event);
    void p_on_offset(Wwm1_ChangedEvent<int>& a_event);
    void p_place_content();
    void p_on_content_placed(WidgetEvent& a_event);
    // Scrolls to the widget that waits to be shown; lets it go once no placement is pending.
    void p_show_pending();

    VerticalScrollBar* m_bar;
    Widget* m_content = nullptr;
    int m_minimum_viewport_height = 0;
    Rect m_viewport;
    int m_content_height = 0;
    // Compared, never followed, until found in the content again.
    const Widget* m_pending_show = nullptr;
};

} // namespace Vexa
