#pragma once
// The implementation behind a Border handle: how wide each side is and how to draw it.

namespace Vexa {

class Painter;

class TheBorder {
public:
    virtual TheBorder* clone() const = 0;
    virtual void draw(Painter& a_painter, int a_x, int a_y, int a_width, int a_height) const = 0;
    virtual int get_left_width() const = 0;
    virtual int get_top_width() const = 0;
    virtual int get_right_width() const = 0;
    virtual int get_bottom_width() const = 0;
    virtual ~TheBorder() = default;
};

} // namespace Vexa
