#include "../DesktopFixture.h"
#include "../HeadlessToolkit.h"

#include "vexa/Desktop/Desktop.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Layouts/ScrollArea.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/ScrollBarButton.h"
#include "vexa/Widgets/VerticalScrollBar.h"

using namespace Vexa;

namespace {

constexpr GdiPlus_Color red{0xFFFF0000};

// A red content that stretches across; a probe consumes the mouse.
template <class W = Widget>
W* tall(int a_height = 300) {
    auto* widget = new W;
    widget->set_size_constraints({50, -1, 100, a_height, -1, a_height});
    widget->set_horizontally_stretchable(true);
    widget->set_background(GdiPlus_Brush(red));
    return widget;
}

// The area at (10, 10) in a probe that sees what it leaves; its viewport, inside 10 pixels of
// padding, is 180 by 100.
class ScrollAreas : public VexaTest::HeadlessBoard {
protected:
    void SetUp() override {
        HeadlessBoard::SetUp();
        m_board->add_child(m_outer);
        m_outer->set_geometry(0, 0, m_width, m_height);
        m_area->set_paddings({10, 10, 10, 10});
        m_outer->add_child(m_area);
        m_area->set_geometry(10, 10, 200, 120);
    }
    void send(NativeEventType a_type, int a_x, int a_y, int a_wheel = 0) {
        NativeEvent event = mouse(a_type, a_x, a_y);
        event.wheel_delta = a_wheel;
        m_platform->send(*m_system->get_native_window(), event);
    }
    VexaTest::Probe* m_outer = new VexaTest::Probe;
    ScrollArea* m_area = new ScrollArea;
};

TEST_F(ScrollAreas, TheBarShowsOnlyForATallerContentWhichThenLosesItsWidth) {
    struct Case {
        int content_height;
        bool stretchable;
        int height; // the content's; the bar shows above 100
    };
    const Case cases[] = {{60, false, 60}, {60, true, 100}, {100, true, 100}, {101, true, 101}};
    const int bar_width = m_area->get_scroll_bar().get_requested_sizes().get_requested_width();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content_height);
        Widget* content = tall(c.content_height);
        content->set_vertically_stretchable(c.stretchable);
        m_area->set_content(content);
        const bool bar = c.content_height > 100;
        EXPECT_EQ(!m_area->get_scroll_bar().is_hidden(), bar);
        EXPECT_EQ(content->get_rect(), (Rect{10, 10, 180 - (bar ? bar_width : 0), c.height}));
        EXPECT_EQ(m_area->get_requested_sizes().get_requested_height(), c.content_height + 20);
        EXPECT_EQ(m_area->get_requested_sizes().get_minimum_width(), 50 + bar_width + 20);
    }
}

TEST_F(ScrollAreas, WheelAndBarMoveTheContentWithinARangeThatFollowsItsHeight) {
    Widget* content = tall();
    m_area->set_content(content);
    const int line = Painter::measure_text(u"Ay", m_area->get_font()).height;
    send(NativeEventType::wheel, 50, 50, -120);
    EXPECT_EQ(content->get_rect().y, 10 - 3 * line);
    const Rect more = m_area->get_scroll_bar().get_more_button()->get_rect_in_window();
    send(NativeEventType::button_down, more.x + 2, more.y + 2);
    send(NativeEventType::button_up, more.x + 2, more.y + 2);
    EXPECT_EQ(m_area->get_offset(), 4 * line);
    m_area->set_offset(10000);
    EXPECT_EQ(content->get_rect().y, 10 - 200);
    // A content that shrinks pulls the offset back; one that fits lets the wheel go.
    content->set_size_constraints({50, -1, 100, 150, -1, 150});
    EXPECT_EQ(content->get_rect().y, 10 - 50);
    content->set_size_constraints({50, -1, 100, 80, -1, 80});
    EXPECT_EQ(m_area->get_offset(), 0);
    send(NativeEventType::wheel, 50, 50, -120);
    EXPECT_EQ(m_outer->log.back(), "wheel -120");
}

TEST_F(ScrollAreas, TheContentIsNeitherPaintedNorHitOutsideTheViewport) {
    auto* content = tall<VexaTest::Probe>();
    m_area->set_content(content);
    m_area->set_offset(5);
    // The top padding runs from y 10 to 20 in the window, the content from y 15.
    const Bitmap& bitmap = m_board->get_bitmap();
    for (int y : {17, 21, 125}) // the top padding, the content, the bottom padding
        EXPECT_EQ(bitmap.get_pixel(60, y) == red, y == 21) << y;
    for (int y : {17, 21}) {
        content->log.clear();
        send(NativeEventType::button_down, 60, y);
        send(NativeEventType::button_up, 60, y);
        EXPECT_EQ(content->log.empty(), y == 17) << y;
    }
}

} // namespace
