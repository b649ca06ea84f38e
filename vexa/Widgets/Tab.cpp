#include "vexa/Widgets/Tab.h"

#include "vexa/Application/Application.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Layouts/LayoutStyleSupport.h"
#include "vexa/Styles/StyleSheet.h"

namespace Vexa {

namespace {

// "shown" is a switch of the tab bar's style manager; it answers for the tabs.
bool switch_state(const Widget& a_widget, int a_index) {
    const auto* tab = dynamic_cast<const Tab*>(&a_widget);
    return a_index == 0 && tab && tab->is_shown();
}

} // namespace

Tab::Tab(std::u16string a_title) : m_title(std::move(a_title)) {
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
    p_follow_style_sheet(false);
}

void Tab::set_title(std::u16string a_title) {
    if (a_title == m_title)
        return;
    m_title = std::move(a_title);
    request_measure();
    repaint();
}

void Tab::set_shown(bool a_shown) {
    if (a_shown == m_shown)
        return;
    m_shown = a_shown;
    request_restyle();
    repaint();
}

void Tab::p_follow_style_sheet(bool a_restyle) {
    const bool installed = m_style_follower.follow([](const StyleRegistry& a_registry) {
        LayoutStyleSupport::install(a_registry, u"TabBar", {nullptr, nullptr, &switch_state});
        return true;
    });
    if (installed && a_restyle)
        request_restyle();
}

void Tab::measure_content(WidgetEvents::OnMeasure& a_event) {
    p_follow_style_sheet(true);
    const Size text = Painter::measure_text(m_title, get_font());
    a_event.minimum.width += text.width;
    a_event.minimum.height += text.height;
    a_event.requested.width += text.width;
    a_event.requested.height += text.height;
    // A tab keeps its size; the bar leaves the room it does not need empty at the right.
    a_event.maximum = a_event.requested;
}

void Tab::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    a_painter.draw_text(m_title, content.x, content.y, content.width, content.height,
                        TextAlignment_CENTER, TextAlignment_MIDDLE, get_font(), get_text_color());
}

} // namespace Vexa
