#pragma once
// The gallery's background sheet: cards that show what the painter draws (outlines, bevels,
// arrows, lines, text and fonts).

#include "vexa/Widget/Widget.h"

namespace Gallery {

class GalleryBoard : public Vexa::Widget {
public:
    GalleryBoard();

    // Where the board leaves room for the demonstration windows, in board coordinates.
    static constexpr int cards_right = 580;

protected:
    void paint_content(Vexa::Painter& a_painter) override;

private:
    void p_paint_card(Vexa::Painter& a_painter, const Vexa::Rect& a_card,
                      std::u16string_view a_title);
    void p_paint_outlines(Vexa::Painter& a_painter, int a_x, int a_y);
    void p_paint_borders(Vexa::Painter& a_painter, int a_x, int a_y);
    void p_paint_arrows(Vexa::Painter& a_painter, int a_x, int a_y);
    void p_paint_lines(Vexa::Painter& a_painter, int a_x, int a_y);
    void p_paint_text(Vexa::Painter& a_painter, int a_x, int a_y);
    void p_paint_fonts(Vexa::Painter& a_painter, int a_x, int a_y);
};

} // namespace Gallery
