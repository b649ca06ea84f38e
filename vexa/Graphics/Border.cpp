#include "vexa/Graphics/Border.h"

#include "vexa/Graphics/Painter.h"

namespace Vexa {

namespace {

class SingleBorderShared : public TheBorder {
public:
    SingleBorderShared(GdiPlus_Color a_light, GdiPlus_Color a_dark)
        : m_light(a_light, 0), m_dark(a_dark, 0) {}

    TheBorder* clone() const override { return new SingleBorderShared(*this); }
    void draw(Painter& a_painter, int a_x, int a_y, int a_width, int a_height) const override {
        draw_bevel(a_painter, a_x, a_y, a_width, a_height, m_light, m_dark);
    }
    int get_left_width() const override { return 1; }
    int get_top_width() const override { return 1; }
    int get_right_width() const override { return 1; }
    int get_bottom_width() const override { return 1; }

private:
    GdiPlus_Pen m_light;
    GdiPlus_Pen m_dark;
};

class DoubleBorderShared : public TheBorder {
public:
    DoubleBorderShared(GdiPlus_Color a_outer_light, GdiPlus_Color a_inner_light,
                       GdiPlus_Color a_inner_dark, GdiPlus_Color a_outer_dark)
        : m_outer_light(a_outer_light, 0), m_inner_light(a_inner_light, 0),
          m_inner_dark(a_inner_dark, 0), m_outer_dark(a_outer_dark, 0) {}

    TheBorder* clone() const override { return new DoubleBorderShared(*this); }
    void draw(Painter& a_painter, int a_x, int a_y, int a_width, int a_height) const override {
        draw_bevel(a_painter, a_x, a_y, a_width, a_height, m_outer_light, m_outer_dark);
        draw_bevel(a_painter, a_x + 1, a_y + 1, a_width - 2, a_height - 2, m_inner_light,
                   m_inner_dark);
    }
    int get_left_width() const override { return 2; }
    int get_top_width() const override { return 2; }
    int get_right_width() const override { return 2; }
    int get_bottom_width() const override { return 2; }

private:
    GdiPlus_Pen m_outer_light;
    GdiPlus_Pen m_inner_light;
    GdiPlus_Pen m_inner_dark;
    GdiPlus_Pen m_outer_dark;
};

} // namespace

SingleBorder::SingleBorder(GdiPlus_Color a_light, GdiPlus_Color a_dark)
    : Border(std::make_shared<SingleBorderShared>(a_light, a_dark)) {}

DoubleBorder::DoubleBorder(GdiPlus_Color a_outer_light, GdiPlus_Color a_inner_light,
                           GdiPlus_Color a_inner_dark, GdiPlus_Color a_outer_dark)
    : Border(std::make_shared<DoubleBorderShared>(a_outer_light, a_inner_light, a_inner_dark,
                                                  a_outer_dark)) {}

void draw_bevel(Painter& a_painter, int a_x, int a_y, int a_width, int a_height,
                const GdiPlus_Pen& a_light, const GdiPlus_Pen& a_dark) {
    if (a_width < 1 || a_height < 1)
        return;
    const int right = a_x + a_width - 1;
    const int bottom = a_y + a_height - 1;
    a_painter.draw_line(right, a_y, a_x, a_y, a_light);
    a_painter.draw_line(a_x, a_y, a_x, bottom - 1, a_light);
    a_painter.draw_line(a_x, bottom, right, bottom, a_dark);
    a_painter.draw_line(right, bottom, right, a_y + 1, a_dark);
}

} // namespace Vexa
