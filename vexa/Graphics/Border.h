#pragma once
// Border handles. A Border shares its implementation between copies; NoBorder has none and draws
// nothing. SingleBorder is one bevel (light top and left, dark bottom and right), DoubleBorder an
// outer bevel with an inner one inside it.

#include "vexa/Graphics/GdiPlus_Color.h"
#include "vexa/Graphics/TheBorder.h"

#include <memory>

namespace Vexa {

class GdiPlus_Pen;

class Border {
public:
    Border() noexcept = default;
    explicit Border(std::shared_ptr<const TheBorder> a_implementation)
        : m_implementation(std::move(a_implementation)) {}

    bool is_null() const noexcept { return !m_implementation; }
    void draw(Painter& a_painter, int a_x, int a_y, int a_width, int a_height) const {
        if (m_implementation)
            m_implementation->draw(a_painter, a_x, a_y, a_width, a_height);
    }
    int get_left_width() const { return m_implementation ? m_implementation->get_left_width() : 0; }
    int get_top_width() const { return m_implementation ? m_implementation->get_top_width() : 0; }
    int get_right_width() const {
        return m_implementation ? m_implementation->get_right_width() : 0;
    }
    int get_bottom_width() const {
        return m_implementation ? m_implementation->get_bottom_width() : 0;
    }

private:
    std::shared_ptr<const TheBorder> m_implementation;
};

class NoBorder : public Border {
public:
    NoBorder() noexcept = default;
};

class SingleBorder : public Border {
public:
    SingleBorder(GdiPlus_Color a_light, GdiPlus_Color a_dark);
};

class DoubleBorder : public Border {
public:
    DoubleBorder(GdiPlus_Color a_outer_light, GdiPlus_Color a_inner_light,
                 GdiPlus_Color a_inner_dark, GdiPlus_Color a_outer_dark);
};

// One bevel at (x, y, width, height): the light pen along the top and the left, the dark pen
// along the bottom and the right. A null pen leaves its sides out.
void draw_bevel(Painter& a_painter, int a_x, int a_y, int a_width, int a_height,
                const GdiPlus_Pen& a_light, const GdiPlus_Pen& a_dark);

} // namespace Vexa
