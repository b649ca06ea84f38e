#include "GalleryLayouts.h"

#include "GalleryPalette.h"

#include "vexa/Graphics/Border.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/GuiBuilder/GuiBuilder.h"
#include "vexa/Layouts/BorderLayout.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/ScrollArea.h"
#include "vexa/Layouts/VerticalLayout.h"

#include <algorithm>
#include <string>

using namespace Vexa;

namespace Gallery {

namespace {

constexpr GdiPlus_Color ink = Palette::text;
constexpr GdiPlus_Color muted = Palette::quiet_text;

const GdiPlus_Font& title_font() {
    static const GdiPlus_Font font(u"Arial", 13, FontSizeUnit_PIXEL);
    return font;
}

const GdiPlus_Font& detail_font() {
    static const GdiPlus_Font font(u"Arial", 11, FontSizeUnit_PIXEL);
    return font;
}

// A flat panel with a title and an optional second line; it needs its text and takes any room
// it is given.
class Tile : public Widget {
public:
    Tile(std::u16string a_title, std::u16string a_detail, GdiPlus_Color a_fill,
         GdiPlus_Color a_line)
        : m_title(std::move(a_title)), m_detail(std::move(a_detail)) {
        set_frame({SingleBorder(a_line, a_line), GdiPlus_Brush(a_fill)});
        set_paddings({8, 10, 10, 8});
    }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override {
        const Size title = Painter::measure_text(m_title, title_font());
        Size text = title;
        if (!m_detail.empty()) {
            const Size detail = Painter::measure_text(m_detail, detail_font());
            text = {std::max(title.width, detail.width), title.height + 2 + detail.height};
        }
        a_event.minimum = {a_event.minimum.width + text.width,
                           a_event.minimum.height + text.height};
        a_event.requested = a_event.minimum;
    }

    void paint_content(Painter& a_painter) override {
        const Rect content = get_content_rect();
        const int title_height = Painter::measure_text(m_title, title_font()).height;
        a_painter.draw_text(m_title, content.x, content.y, content.width, title_height,
                            TextAlignment_LEFT, TextAlignment_TOP, title_font(), ink);
        if (!m_detail.empty())
            a_painter.draw_text(m_detail, content.x, content.y + title_height + 2, content.width,
                                content.height - title_height - 2, TextAlignment_LEFT,
                                TextAlignment_TOP, detail_font(), muted);
    }

private:
    std::u16string m_title;
    std::u16string m_detail;
};

Widget* tile(std::u16string a_title, std::u16string a_detail = {},
             GdiPlus_Color a_fill = Palette::raised) {
    return new Tile(std::move(a_title), std::move(a_detail), a_fill, Palette::line);
}

Widget* accent_tile(std::u16string a_title, std::u16string a_detail) {
    return new Tile(std::move(a_title), std::move(a_detail), Palette::accent_soft, Palette::accent);
}

} // namespace

Widget* make_layouts_client() {
    GuiBuilder builder;
    builder.begin_stretch();

    auto* border = new BorderLayout;
    border->set_paddings({10, 10, 10, 10});
    border->set_spaces({8, 8, 8, 8});
    builder.push(border);

    border->set_widget(
        BorderLayoutRegion_TOP,
        tile(u"A border layout", u"top, left, centre, right and bottom regions", Palette::surface));

    GuiBuilder side;
    VerticalLayout* chips = side.begin_vertical();
    chips->set_vertical_spacing(6);
    for (const char16_t* name : {u"Voices", u"Delay", u"Modulation", u"Output"})
        side.push(tile(name));
    side.end();
    border->set_widget(BorderLayoutRegion_LEFT, side.take_root());

    // Spanning cells are set directly; the builder fills cells one by one.
    auto* grid = new GridLayout(3, 4);
    grid->set_horizontal_spacing(6);
    grid->set_vertical_spacing(6);
    grid->set_cell(0, 0, accent_tile(u"Delay time", u"spans two columns"), 1, 2);
    grid->set_cell(0, 2, tile(u"Rate", u"0.35 Hz"));
    grid->set_cell(0, 3, accent_tile(u"Depth", u"spans three rows"), 3, 1);
    grid->set_cell(1, 0, tile(u"Feedback", u"-12 %"));
    grid->set_cell(1, 1, accent_tile(u"Spread", u"two rows"), 2, 1);
    grid->set_cell(1, 2, tile(u"Phase", u"90\u00B0"));
    grid->set_cell(2, 0, tile(u"Mix", u"50 %"));
    grid->set_cell(2, 2, tile(u"Gain", u"0.0 dB"));
    border->set_widget(BorderLayoutRegion_CENTER, grid);

    // Taller than the region: the wheel or the bar scrolls it.
    GuiBuilder stack;
    VerticalLayout* panels = stack.begin_vertical();
    panels->set_vertical_spacing(6);
    stack.push(accent_tile(u"A scroll area", u"on the right"));
    for (const char16_t* name : {u"Voice 1", u"Voice 2", u"Voice 3", u"Voice 4", u"Voice 5"})
        stack.push(tile(name, u"a panel"));
    stack.end();
    auto* scroll = new ScrollArea;
    scroll->set_content(stack.take_root());
    border->set_widget(BorderLayoutRegion_RIGHT, scroll);

    GuiBuilder status;
    HorizontalLayout* row = status.begin_horizontal();
    row->set_horizontal_spacing(8);
    status.push(tile(u"A stretch layout fills the window", u"resize it: everything follows",
                     Palette::surface));
    status.push(
        tile(u"Built with the GUI builder", u"vexa-gallery --layout-outlines", Palette::surface));
    status.end();
    border->set_widget(BorderLayoutRegion_BOTTOM, status.take_root());

    builder.end();
    return builder.take_root();
}

} // namespace Gallery
