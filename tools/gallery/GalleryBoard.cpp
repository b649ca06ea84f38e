#include "GalleryBoard.h"

#include "orvo/Core/Utf.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"

#include <cmath>
#include <map>
#include <numbers>

using namespace Vexa;

namespace Gallery {

namespace {

constexpr GdiPlus_Color ink(0xFF2E3440);
constexpr GdiPlus_Color muted(0xFF6B6F76);
constexpr GdiPlus_Color accent(0xFF3A6EA5);
constexpr GdiPlus_Color accent_light(0xFFDCE7F3);
constexpr GdiPlus_Color card_line(0xFFD9D5CD);
constexpr int card_width = 262;
constexpr int card_height = 152;
constexpr int gap = 18;
constexpr int top = 76;
constexpr int title_height = 30;

// The board's sans-serif fonts by pixel size, made once.
const GdiPlus_Font& font(int a_pixels) {
    static std::map<int, GdiPlus_Font> fonts;
    auto found = fonts.find(a_pixels);
    if (found == fonts.end())
        found = fonts.emplace(a_pixels, GdiPlus_Font(u"Arial", a_pixels, FontSizeUnit_PIXEL)).first;
    return found->second;
}

Rect card_rect(int a_column, int a_row) {
    return {gap + a_column * (card_width + gap), top + a_row * (card_height + gap), card_width,
            card_height};
}

} // namespace

GalleryBoard::GalleryBoard() {
    set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFFEFEDE8))});
}

void GalleryBoard::paint_content(Painter& a_painter) {
    a_painter.draw_text(u"Vexa gallery", gap, 18, 400, 30, TextAlignment_LEFT, TextAlignment_MIDDLE,
                        font(22), ink);
    a_painter.draw_text(u"What the toolkit draws so far: the painter's primitives, text, a normal "
                        u"window, a message box and nested layouts.",
                        gap, 46, cards_right + 280, 20, TextAlignment_LEFT, TextAlignment_MIDDLE,
                        font(13), muted);
    const std::u16string_view titles[] = {u"Outlines and fills",   u"Bevelled borders", u"Arrows",
                                          u"Lines and transforms", u"Text alignment",   u"Fonts"};
    for (int i = 0; i < 6; ++i) {
        const Rect card = card_rect(i % 2, i / 2);
        p_paint_card(a_painter, card, titles[i]);
        const int x = card.x + 16;
        const int y = card.y + title_height + 10;
        switch (i) {
        case 0:
            p_paint_outlines(a_painter, x, y);
            break;
        case 1:
            p_paint_borders(a_painter, x, y);
            break;
        case 2:
            p_paint_arrows(a_painter, x, y);
            break;
        case 3:
            p_paint_lines(a_painter, x, y);
            break;
        case 4:
            p_paint_text(a_painter, x, y);
            break;
        default:
            p_paint_fonts(a_painter, x, y);
            break;
        }
    }
}

void GalleryBoard::p_paint_card(Painter& a_painter, const Rect& a_card,
                                std::u16string_view a_title) {
    a_painter.fill_and_stroke_rectangle(a_card.x, a_card.y, a_card.width, a_card.height,
                                        GdiPlus_Pen(card_line, 1),
                                        GdiPlus_Brush(GdiPlus_Color(0xFFFFFFFF)));
    a_painter.draw_text(a_title, a_card.x + 16, a_card.y + 8, a_card.width - 32, 20,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, font(13), ink);
    a_painter.draw_line(a_card.x + 16, a_card.y + title_height, a_card.right() - 17,
                        a_card.y + title_height, GdiPlus_Pen(GdiPlus_Color(0xFFECE9E3), 0));
}

void GalleryBoard::p_paint_outlines(Painter& a_painter, int a_x, int a_y) {
    const int widths[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const int x = a_x + i * 58;
        a_painter.fill_and_stroke_rectangle(x, a_y, 46, 46, GdiPlus_Pen(accent, widths[i]),
                                            i == 2 ? GdiPlus_Brush(accent_light) : GdiPlus_Brush());
        a_painter.draw_text(i == 0   ? u"1 px"
                            : i == 1 ? u"2 px"
                                     : u"3 px",
                            x, a_y + 54, 46, 16, TextAlignment_CENTER, TextAlignment_MIDDLE,
                            font(11), muted);
    }
    a_painter.fill_and_stroke_rectangle(a_x + 174, a_y, 56, 46, GdiPlus_Pen(),
                                        GdiPlus_Brush(GdiPlus_Color(0xFF8FB3D9)));
    a_painter.draw_text(u"fill", a_x + 174, a_y + 54, 56, 16, TextAlignment_CENTER,
                        TextAlignment_MIDDLE, font(11), muted);
}

void GalleryBoard::p_paint_borders(Painter& a_painter, int a_x, int a_y) {
    const GdiPlus_Brush face(GdiPlus_Color(0xFFD4D0C8));
    struct Sample {
        Border border;
        std::u16string_view label;
    };
    const Sample samples[] = {
        {SingleBorder(GdiPlus_Color(0xFFFFFFFF), GdiPlus_Color(0xFF808080)), u"raised"},
        {SingleBorder(GdiPlus_Color(0xFF808080), GdiPlus_Color(0xFFFFFFFF)), u"sunken"},
        {DoubleBorder(GdiPlus_Color(0xFFD4D0C8), GdiPlus_Color(0xFFFFFFFF),
                      GdiPlus_Color(0xFF808080), GdiPlus_Color(0xFF404040)),
         u"button"},
        {DoubleBorder(GdiPlus_Color(0xFF808080), GdiPlus_Color(0xFF404040),
                      GdiPlus_Color(0xFFD4D0C8), GdiPlus_Color(0xFFFFFFFF)),
         u"field"},
    };
    for (int i = 0; i < 4; ++i) {
        const int x = a_x + i * 58;
        a_painter.fill_rectangle({x, a_y, 46, 46}, face);
        samples[i].border.draw(a_painter, x, a_y, 46, 46);
        a_painter.draw_text(samples[i].label, x - 4, a_y + 54, 54, 16, TextAlignment_CENTER,
                            TextAlignment_MIDDLE, font(11), muted);
    }
}

void GalleryBoard::p_paint_arrows(Painter& a_painter, int a_x, int a_y) {
    const GdiPlus_Brush box(GdiPlus_Color(0xFFF3F1EC));
    const std::u16string_view labels[] = {u"down", u"left", u"right", u"up"};
    for (int direction = 0; direction < 4; ++direction) {
        const int x = a_x + direction * 58;
        a_painter.fill_and_stroke_rectangle(x, a_y, 46, 46, GdiPlus_Pen(card_line, 1), box);
        if (direction == 3)
            a_painter.draw_arrow(direction, 46, 46, 20, 22, 8, GdiPlus_Brush(),
                                 GdiPlus_Pen(accent, 1), x, a_y);
        else
            a_painter.draw_arrow(direction, 46, 46, 20, 22, 8, GdiPlus_Brush(accent), GdiPlus_Pen(),
                                 x, a_y);
        a_painter.draw_text(labels[direction], x, a_y + 54, 46, 16, TextAlignment_CENTER,
                            TextAlignment_MIDDLE, font(11), muted);
    }
}

void GalleryBoard::p_paint_lines(Painter& a_painter, int a_x, int a_y) {
    // A fan of smoothed strokes, each turned by the transform stack.
    SmoothingScope smoothing(a_painter);
    a_painter.push();
    a_painter.translate(float(a_x + 40), float(a_y + 62));
    for (int i = 0; i <= 8; ++i) {
        a_painter.push();
        a_painter.rotate(-float(std::numbers::pi) * i / 16.0f);
        const std::uint32_t shade = 0xFF000000 | (0x3A + i * 12) << 16 | (0x6E + i * 9) << 8 | 0xA5;
        a_painter.draw_line(0, 0, 58, 0, GdiPlus_Pen(GdiPlus_Color(shade), 2));
        a_painter.pop();
    }
    a_painter.pop();
    for (int i = 0; i < 4; ++i)
        a_painter.draw_line(a_x + 120, a_y + 8 + i * 18, a_x + 226, a_y + 8 + i * 18,
                            GdiPlus_Pen(i % 2 ? muted : ink, i));
    a_painter.draw_text(u"widths 0 to 3", a_x + 120, a_y + 74, 110, 16, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, font(11), muted);
}

void GalleryBoard::p_paint_text(Painter& a_painter, int a_x, int a_y) {
    const int alignments[] = {TextAlignment_LEFT, TextAlignment_CENTER, TextAlignment_RIGHT};
    const std::u16string_view texts[] = {u"Left", u"Centre", u"Right"};
    for (int i = 0; i < 3; ++i) {
        const int y = a_y + i * 26;
        a_painter.fill_and_stroke_rectangle(a_x, y, 230, 22, GdiPlus_Pen(card_line, 1),
                                            GdiPlus_Brush(GdiPlus_Color(0xFFF8F7F4)));
        a_painter.draw_text(texts[i], a_x + 6, y, 218, 22, alignments[i], TextAlignment_MIDDLE,
                            font(13), ink);
    }
    a_painter.draw_text(u"Cut after the last whole character that fits the box", a_x, a_y + 80, 230,
                        18, TextAlignment_LEFT, TextAlignment_MIDDLE, font(11), muted);
}

void GalleryBoard::p_paint_fonts(Painter& a_painter, int a_x, int a_y) {
    const StockObjects& stock = Toolkit::get().get_stock();
    a_painter.draw_text(u"Arial 9 pt: Delay 12.5 ms", a_x, a_y, 230, 20, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, stock.default_font, ink);
    a_painter.draw_text(u"Courier New 10 pt: 0x5768", a_x, a_y + 24, 230, 20, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, stock.fixed_font, ink);
    a_painter.draw_text(u"Tolvan Chorus", a_x, a_y + 50, 230, 30, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, font(22), accent);
    const std::u16string family(Orvo::utf8_to_utf16_lossy(stock.default_font.get_family()).view());
    a_painter.draw_text(u"Arial resolves to " + family, a_x, a_y + 84, 230, 16, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, font(11), muted);
}

} // namespace Gallery
