#include "GalleryBoard.h"

#include "GalleryPalette.h"

#include "vexa/Graphics/Painter.h"

using namespace Vexa;

namespace Gallery {

void GalleryBoard::paint_content(Painter& a_painter) {
    // The sheet gives the board the editor's background; the heading stands on it.
    static const GdiPlus_Font title(u"Arial", 22, FontSizeUnit_PIXEL);
    static const GdiPlus_Font line(u"Arial", 13, FontSizeUnit_PIXEL);
    a_painter.draw_text(u"Vexa gallery", 18, 14, get_width() - 36, 30, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, title, Palette::text);
    a_painter.draw_text(u"The standard widgets, a pop-up menu, a message box and nested layouts, "
                        u"styled by the product's style sheet.",
                        18, 44, get_width() - 36, 20, TextAlignment_LEFT, TextAlignment_MIDDLE,
                        line, Palette::quiet_text);
}

} // namespace Gallery
