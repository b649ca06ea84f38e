#pragma once
// The gallery's background: its heading above the demonstration windows.

#include "vexa/Widget/Widget.h"

namespace Gallery {

class GalleryBoard : public Vexa::Widget {
public:
    // Where the windows below the heading start, in board coordinates.
    static constexpr int heading_bottom = 72;

protected:
    void paint_content(Vexa::Painter& a_painter) override;
};

} // namespace Gallery
