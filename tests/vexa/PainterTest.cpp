#include "vexa/Graphics/Painter.h"
#include "HeadlessToolkit.h"
#include "orvo/Core/Exception.h"
#include "vexa/Graphics/Border.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;

namespace {

constexpr GdiPlus_Color white(0xFFFFFFFF);
constexpr GdiPlus_Color ink(0xFF102030);
constexpr GdiPlus_Color light(0xFFEEEEEE);
constexpr GdiPlus_Color dark(0xFF333333);

Bitmap white_canvas(int a_width, int a_height) {
    Bitmap bitmap(a_width, a_height);
    Painter painter(bitmap);
    painter.fill_rectangle({0, 0, a_width, a_height}, GdiPlus_Brush(white));
    return bitmap;
}

// The canvas as rows of characters: '.' for untouched white, '#' for `a_mark`, 'D' for `a_second`,
// '?' otherwise.
std::vector<std::string> picture(const Bitmap& a_bitmap, GdiPlus_Color a_mark,
                                 GdiPlus_Color a_second = white) {
    std::vector<std::string> rows;
    for (int y = 0; y < a_bitmap.get_height(); ++y) {
        std::string row;
        for (int x = 0; x < a_bitmap.get_width(); ++x) {
            const GdiPlus_Color pixel = a_bitmap.get_pixel(x, y);
            row += pixel == white ? '.' : pixel == a_mark ? '#' : pixel == a_second ? 'D' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

int count_non_white(const Bitmap& a_bitmap, const Rect& a_area) {
    int count = 0;
    for (int y = a_area.y; y < a_area.bottom(); ++y)
        for (int x = a_area.x; x < a_area.right(); ++x)
            count += a_bitmap.get_pixel(x, y) != white;
    return count;
}

struct OutlineCase {
    int pen_width;
    std::vector<std::string> expected;
};

class RectangleOutline : public testing::TestWithParam<OutlineCase> {};

TEST_P(RectangleOutline, CoversExactlyTheRectangle) {
    Bitmap bitmap = white_canvas(8, 7);
    Painter(bitmap).fill_and_stroke_rectangle(1, 1, 6, 5, GdiPlus_Pen(ink, GetParam().pen_width),
                                              GdiPlus_Brush());
    EXPECT_EQ(picture(bitmap, ink), GetParam().expected);
}

// A width of 0 draws the thinnest line, like 1.
const std::vector<std::string> thin = {"........", ".######.", ".#....#.", ".#....#.",
                                       ".#....#.", ".######.", "........"};
const std::vector<std::string> thick = {"........", ".######.", ".######.", ".##..##.",
                                        ".######.", ".######.", "........"};
INSTANTIATE_TEST_SUITE_P(PenWidths, RectangleOutline,
                         testing::Values(OutlineCase{0, thin}, OutlineCase{1, thin},
                                         OutlineCase{2, thick}));

TEST(Painter, FillThenOutlineAndNullsDrawNothing) {
    Bitmap bitmap = white_canvas(6, 5);
    Painter painter(bitmap);
    painter.fill_and_stroke_rectangle(1, 1, 4, 3, GdiPlus_Pen(), GdiPlus_Brush());
    EXPECT_EQ(count_non_white(bitmap, {0, 0, 6, 5}), 0);
    painter.fill_and_stroke_rectangle(1, 1, 4, 3, GdiPlus_Pen(ink, 1), GdiPlus_Brush(light));
    EXPECT_EQ(picture(bitmap, ink),
              (std::vector<std::string>{"......", ".####.", ".#??#.", ".####.", "......"}));
    EXPECT_EQ(bitmap.get_pixel(2, 2), light);
}

TEST(Painter, BordersDrawTheirBevelsWithTheLightSideTopLeft) {
    Bitmap bitmap = white_canvas(6, 6);
    Painter painter(bitmap);
    const Border single = SingleBorder(light, dark);
    single.draw(painter, 0, 0, 5, 4);
    EXPECT_EQ(
        picture(bitmap, light, dark),
        (std::vector<std::string>{"#####.", "#...D.", "#...D.", "DDDDD.", "......", "......"}));
    EXPECT_EQ(single.get_left_width() + single.get_bottom_width(), 2);

    const Border twice =
        DoubleBorder(light, GdiPlus_Color(0xFFCCCCCC), GdiPlus_Color(0xFF777777), dark);
    Bitmap outer = white_canvas(6, 6);
    Painter outer_painter(outer);
    twice.draw(outer_painter, 0, 0, 6, 6);
    EXPECT_EQ(outer.get_pixel(1, 1), GdiPlus_Color(0xFFCCCCCC));
    EXPECT_EQ(outer.get_pixel(4, 4), GdiPlus_Color(0xFF777777));
    EXPECT_EQ(outer.get_pixel(5, 0), light);
    EXPECT_EQ(outer.get_pixel(0, 5), dark);
    EXPECT_EQ(count_non_white(outer, {2, 2, 2, 2}), 0);
    EXPECT_EQ(twice.get_top_width(), 2);
    EXPECT_EQ(NoBorder().get_right_width(), 0);
}

TEST(Painter, RegionsTranslateAndClip) {
    Bitmap bitmap = white_canvas(10, 10);
    Painter painter(bitmap);
    painter.begin_region(5, 4, 3, 2);
    painter.fill_rectangle({-5, -5, 20, 20}, GdiPlus_Brush(ink));
    EXPECT_EQ(count_non_white(bitmap, {0, 0, 10, 10}), 6);
    EXPECT_EQ(count_non_white(bitmap, {5, 4, 3, 2}), 6);

    painter.begin_region(0, 0, 10, 10);
    painter.push();
    painter.translate(2, 1);
    painter.push();
    painter.translate(1, 1);
    painter.fill_rectangle({0, 0, 1, 1}, GdiPlus_Brush(dark));
    painter.pop();
    painter.fill_rectangle({0, 0, 1, 1}, GdiPlus_Brush(light));
    painter.pop();
    EXPECT_EQ(bitmap.get_pixel(3, 2), dark);
    EXPECT_EQ(bitmap.get_pixel(2, 1), light);
    EXPECT_EQ(failure([&] { painter.pop(); }), u"m_affines.size()") << "the region's own entry";
    EXPECT_EQ(painter.get_depth(), 1u);
}

struct ArrowCase {
    int direction;
    int tip_x, tip_y;   // inside the triangle, near its tip
    int back_x, back_y; // beyond its base, outside
};

class Arrow : public testing::TestWithParam<ArrowCase> {};

TEST_P(Arrow, PointsItsWay) {
    Bitmap bitmap = white_canvas(21, 21);
    Painter(bitmap).draw_arrow(GetParam().direction, 21, 21, 12, 12, 4, GdiPlus_Brush(ink),
                               GdiPlus_Pen(), 0, 0);
    EXPECT_EQ(bitmap.get_pixel(GetParam().tip_x, GetParam().tip_y), ink);
    EXPECT_EQ(bitmap.get_pixel(GetParam().back_x, GetParam().back_y), white);
}

INSTANTIATE_TEST_SUITE_P(Directions, Arrow,
                         testing::Values(ArrowCase{ArrowDirection_DOWN, 10, 16, 10, 4},
                                         ArrowCase{ArrowDirection_LEFT, 4, 10, 16, 10},
                                         ArrowCase{ArrowDirection_RIGHT, 16, 10, 4, 10},
                                         ArrowCase{ArrowDirection_UP, 10, 4, 10, 16}));

TEST(Painter, AnArrowWithoutBrushIsOnlyItsOutline) {
    Bitmap bitmap = white_canvas(21, 21);
    Painter(bitmap).draw_arrow(ArrowDirection_RIGHT, 21, 21, 12, 12, 4, GdiPlus_Brush(),
                               GdiPlus_Pen(ink, 1), 0, 0);
    EXPECT_EQ(bitmap.get_pixel(11, 10), white);
    EXPECT_GT(count_non_white(bitmap, {6, 0, 1, 21}), 8); // the base
}

TEST(Painter, TextStaysInItsRectangleAndFollowsTheAlignment) {
    const GdiPlus_Font font(u"Arial", 12, FontSizeUnit_PIXEL);
    auto ink_columns = [&](int a_alignment) {
        Bitmap bitmap = white_canvas(120, 30);
        Painter(bitmap).draw_text(u"Chorus", 10, 5, 100, 20, a_alignment, TextAlignment_MIDDLE,
                                  font, ink);
        EXPECT_EQ(count_non_white(bitmap, {0, 0, 120, 30}),
                  count_non_white(bitmap, {10, 5, 100, 20}));
        int first = -1, last = -1;
        for (int x = 0; x < 120; ++x)
            if (count_non_white(bitmap, {x, 0, 1, 30}) > 0) {
                last = x;
                first = first < 0 ? x : first;
            }
        return std::pair(first, last);
    };
    const auto left = ink_columns(TextAlignment_LEFT);
    const auto right = ink_columns(TextAlignment_RIGHT);
    const auto centre = ink_columns(TextAlignment_CENTER);
    EXPECT_LE(left.first, 12);
    EXPECT_GE(right.second, 107);
    EXPECT_NEAR((centre.first + centre.second) / 2.0, 60, 3);

    // Cut after the last whole character that fits: nothing spills out of a narrow box.
    Bitmap narrow = white_canvas(60, 30);
    Painter(narrow).draw_text(u"A long title", 0, 0, 25, 30, TextAlignment_LEFT, TextAlignment_TOP,
                              font, ink);
    EXPECT_GT(count_non_white(narrow, {0, 0, 25, 30}), 0);
    EXPECT_EQ(count_non_white(narrow, {25, 0, 35, 30}), 0);
}

TEST(Painter, MeasuringGivesWholePixelsThatGrowWithTheText) {
    const GdiPlus_Font font(u"Arial", 9, FontSizeUnit_POINT);
    const Size ay = Painter::measure_text(u"Ay", font);
    const Size longer = Painter::measure_text(u"Ay Ay Ay", font);
    EXPECT_GT(ay.width, 8);
    EXPECT_GE(ay.height, 12); // 9 points are 12 pixels
    EXPECT_EQ(longer.height, ay.height);
    EXPECT_GT(longer.width, 3 * ay.width);
}

TEST(Font, FamiliesResolveWithTheSansSerifFallback) {
    const GdiPlus_Font arial(u"Arial", 10, FontSizeUnit_POINT);
    const GdiPlus_Font missing(u"No Such Family 42", 10, FontSizeUnit_POINT);
    const GdiPlus_Font courier(u"Courier New", 10, FontSizeUnit_POINT);
    EXPECT_FALSE(missing.is_null());
    EXPECT_EQ(missing.get_family(), arial.get_family());
    EXPECT_NE(courier.get_family(), arial.get_family());
    EXPECT_NEAR(missing.get_pixel_size(), 10 * 96.0 / 72.0, 1e-9);
    EXPECT_EQ(GdiPlus_Font(u"Arial", 14, FontSizeUnit_PIXEL).get_pixel_size(), 14.0);
    EXPECT_EQ(failure([] { GdiPlus_Font(u"Arial", 10, 3); }), u"Invalid font size unit.");
}

TEST(Bitmap, BackBuffersGrowInBlocksOf256) {
    Bitmap buffer;
    buffer.resize_rounded(300, 10);
    EXPECT_EQ(buffer.get_width(), 512);
    cairo_surface_t* first = buffer.get_native();
    buffer.resize_rounded(310, 200);
    EXPECT_EQ(buffer.get_native(), first);
    buffer.resize_rounded(520, 200);
    EXPECT_EQ(buffer.get_width(), 768);
    EXPECT_EQ(buffer.get_height(), 256);
    buffer.resize(0, 10);
    EXPECT_TRUE(buffer.is_null());
}

} // namespace
