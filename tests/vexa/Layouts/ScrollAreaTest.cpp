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

// A red content 300 pixels tall that stretches across; a probe consumes the mouse.
template <class W = Widget>
W* tall(int a_height = 300) {
    auto* widget = new W;
    widget->set_size_constraints({50, -1, 100, a_height, -1, a_height});
    widget->set_horizontally_stretchable(true);
    widget->set_background(GdiPlus_Brush(red));
    return widget;
}

class ScrollAreas : public VexaTest::HeadlessBoard {
protected:
    // The area at (10, 10), 200 by 100, with 10 pixels of padding all round.
    void SetUp() override {
        HeadlessBoard::SetUp();
        m_outer = new VexaTest::Probe;
        m_board->add_child(m_outer);
        m_outer->set_geometry(0, 0, m_width, m_height);
        m_area = new ScrollArea;
        m_area->set_paddings({10, 10, 10, 10});
        m_outer->add_child(m_area);
        m_area->set_geometry(10, 10, 200, 120);
    }
    void flush() { m_board->get_desktop()->flush(); }
    void send(NativeEventType a_type, int a_x, int a_y, int a_wheel = 0) {
        NativeEvent event = mouse(a_type, a_x, a_y);
        event.wheel_delta = a_wheel;
        m_platform->send(*m_system->get_native_window(), event);
    }
    int bar_width() { return m_area->get_scroll_bar().get_requested_sizes().get_requested_width(); }

    VexaTest::Probe* m_outer = nullptr; // sees what the area leaves
    ScrollArea* m_area = nullptr;
};

TEST_F(ScrollAreas, TheBarShowsOnlyForATallerContentWhichThenLosesItsWidth) {
    struct Case {
        int content_height;
        bool stretchable;
        bool bar;
        int height; // the content's
    };
    // The viewport is 100 pixels tall and 180 wide.
    const Case cases[] = {{60, false, false, 60},
                          {60, true, false, 100},
                          {100, true, false, 100},
                          {101, true, true, 101},
                          {300, false, true, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content_height);
        Widget* probe = tall(c.content_height);
        probe->set_vertically_stretchable(c.stretchable);
        m_area->set_content(probe);
        flush();
        EXPECT_EQ(!m_area->get_scroll_bar().is_hidden(), c.bar);
        EXPECT_EQ(probe->get_rect(), (Rect{10, 10, 180 - (c.bar ? bar_width() : 0), c.height}));
        const WidgetRequestedSizes& sizes = m_area->get_requested_sizes();
        EXPECT_EQ(sizes.get_requested_height(), c.content_height + 20);
        EXPECT_EQ(sizes.get_minimum_width(), 50 + bar_width() + 20);
        EXPECT_LT(sizes.get_minimum_height(), 100);
    }
}

TEST_F(ScrollAreas, WheelBarAndCallsMoveTheContentWithinTheRangeWhichFollowsItsHeight) {
    Widget* probe = tall();
    m_area->set_content(probe);
    flush();
    const int line = Painter::measure_text(u"Ay", m_area->get_font()).height;
    send(NativeEventType::wheel, 50, 50, -120);
    EXPECT_EQ(m_area->get_offset(), 3 * line);
    EXPECT_EQ(probe->get_rect().y, 10 - 3 * line);
    // The bar's lower button steps one line further.
    const Rect more = m_area->get_scroll_bar().get_more_button()->get_rect_in_window();
    send(NativeEventType::button_down, more.x + 2, more.y + 2);
    send(NativeEventType::button_up, more.x + 2, more.y + 2);
    EXPECT_EQ(m_area->get_offset(), 4 * line);
    m_area->set_offset(10000);
    EXPECT_EQ(m_area->get_offset(), 200);
    EXPECT_EQ(probe->get_rect().y, 10 - 200);
    EXPECT_EQ(m_area->get_scroll_bar().get_value(), 200);
    m_area->set_offset(-5);
    EXPECT_EQ(probe->get_rect().y, 10);

    m_area->scroll_to_show(Rect{0, 150, 10, 30});
    EXPECT_EQ(m_area->get_offset(), 80);
    // A content that shrinks pulls the offset back; one that fits lets the wheel go.
    m_area->set_offset(200);
    probe->set_size_constraints({50, -1, 100, 150, -1, 150});
    flush();
    EXPECT_EQ(m_area->get_offset(), 50);
    EXPECT_EQ(probe->get_rect().y, 10 - 50);
    probe->set_size_constraints({50, -1, 100, 80, -1, 80});
    flush();
    EXPECT_EQ(m_area->get_offset(), 0);
    m_outer->log.clear();
    send(NativeEventType::wheel, 50, 50, -120);
    EXPECT_EQ(m_outer->log, (std::vector<std::string>{"wheel -120"}));
}

TEST_F(ScrollAreas, TheContentIsNeitherPaintedNorHitOutsideTheViewport) {
    auto* probe = tall<VexaTest::Probe>();
    m_area->set_content(probe);
    flush();
    m_area->set_offset(5);
    flush();
    ASSERT_EQ(probe->get_rect().y, 5);
    const Bitmap& bitmap = m_board->get_bitmap();
    // The area's top padding runs from y 10 to 20 in the window; the content starts at y 15.
    EXPECT_NE(bitmap.get_pixel(60, 17), red);
    EXPECT_EQ(bitmap.get_pixel(60, 21), red);
    EXPECT_NE(bitmap.get_pixel(60, 125), red); // the bottom padding
    for (int y : {17, 21}) {
        probe->log.clear();
        send(NativeEventType::button_down, 60, y);
        send(NativeEventType::button_up, 60, y);
        EXPECT_EQ(probe->log.empty(), y == 17) << y;
    }
}

TEST_F(ScrollAreas, APanelAddedAndAskedForIsShownOnceTheLayoutsHavePlacedIt) {
    auto* column = new VerticalLayout;
    for (int i = 0; i < 3; ++i)
        column->append(tall(40));
    m_area->set_content(column);
    flush();
    EXPECT_EQ(m_area->get_offset(), 0);
    Widget* added = tall(40);
    {
        // As in an input handler: nothing is placed until the dispatch ends.
        Desktop::UpdateSuspender suspender(*m_board->get_desktop());
        column->append(added);
        m_area->scroll_to_show(*added);
    }
    const Rect shown = added->get_rect_in_window();
    EXPECT_GT(m_area->get_offset(), 0);
    EXPECT_EQ(shown.bottom(), 10 + 10 + 100);
    // A widget that left before it was placed is forgotten.
    Widget* gone = tall(40);
    {
        Desktop::UpdateSuspender suspender(*m_board->get_desktop());
        column->append(gone);
        m_area->scroll_to_show(*gone);
        m_area->set_offset(0);
        gone->destroy();
    }
    EXPECT_EQ(m_area->get_offset(), 0);
}

} // namespace
