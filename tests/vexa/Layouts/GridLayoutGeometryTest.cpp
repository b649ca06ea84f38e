#include "vexa/Layouts/GridLayoutGeometry.h"
#include "../HeadlessToolkit.h"
#include "orvo/Core/Exception.h"
#include "vexa/Layouts/GridLayoutFillOrder.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;

namespace {

struct AxisCase {
    std::vector<int> minimums;
    std::vector<int> maximums;
    int spacing;
    int size;
    std::vector<int> sizes;
    std::vector<int> positions;
};

TEST(GridLayoutAxis, SharesTheSpaceItIsGiven) {
    const std::vector<AxisCase> cases = {
        // Levels the small line, then shares, the remainder to the first.
        {{10, 20, 20}, {999, 999, 999}, 0, 80, {27, 27, 26}, {0, 27, 54}},
        {{10, 20, 20}, {999, 999, 999}, 5, 90, {27, 27, 26}, {0, 32, 64}}, // spacing between
        {{10, 10}, {15, 999}, 0, 60, {15, 45}, {0, 15}},           // a maximum stops one line
        {{30, 30}, {99, 99}, 2, 40, {30, 30}, {0, 32}},            // too little space: the minimums
        {{10, 10}, {20, 20}, 0, 100, {20, 20}, {0, 20}},           // too much: the maximums
        {{10, 5}, {10, 5}, 0, 50, {10, 5}, {0, 10}},               // no maximum, no growth
        {{0, 0, 40}, {99, 99, 99}, 0, 57, {9, 8, 40}, {0, 9, 17}}, // levelling capped by the extra
    };
    for (const AxisCase& c : cases) {
        GridLayoutAxis axis;
        axis.insert(0, c.minimums.size());
        axis.set_spacing(c.spacing);
        std::vector<GridLayoutAxisItem> items;
        for (std::size_t i = 0; i < c.minimums.size(); ++i)
            items.push_back({i, 1, c.minimums[i], c.maximums[i], 0});
        axis.measure(items);
        axis.place(c.size);
        std::vector<int> sizes, positions;
        for (std::size_t i = 0; i < axis.size(); ++i) {
            sizes.push_back(axis.line(i).size);
            positions.push_back(axis.line(i).position);
        }
        EXPECT_EQ(sizes, c.sizes) << c.size;
        EXPECT_EQ(positions, c.positions) << c.size;
    }
}

// A grid described as cells with limits; widgets are stand-ins that only name the cell.
struct CellPlan {
    std::size_t row, column;
    unsigned row_span, column_span;
    int minimum_width, maximum_width, minimum_height, maximum_height;
};

struct GridShape {
    std::size_t rows, columns;
    int spacing;
    bool equal_columns, stretchable_columns;
};

// The size given, then the totals the measure gives: minimum and maximum width, minimum height.
struct GridSizes {
    int width, height, minimum_width, maximum_width, minimum_height;
};

struct GridCase {
    const char* name;
    GridShape shape;
    std::vector<CellPlan> cells;
    GridSizes sizes;
    std::map<std::pair<std::size_t, std::size_t>, Rect> rects;
};

TEST(GridLayoutGeometry, MeasuresAndPlacesCells) {
    const std::vector<GridCase> cases = {
        {"a span with a large minimum widens only its first column",
         {2, 2, 4, false, false},
         {{0, 0, 1, 2, 100, 200, 10, 10},
          {1, 0, 1, 1, 20, 40, 10, 10},
          {1, 1, 1, 1, 30, 30, 10, 10}},
         {100, 24, 100, 100, 24},
         {{{0, 0}, {0, 0, 100, 10}}, {{1, 0}, {0, 14, 66, 10}}, {{1, 1}, {70, 14, 30, 10}}}},
        {"equal column widths make a wide and a narrow column equal",
         {1, 2, 0, true, false},
         {{0, 0, 1, 1, 80, 80, 10, 10}, {0, 1, 1, 1, 20, 20, 10, 10}},
         {160, 10, 160, 160, 10},
         {{{0, 0}, {0, 0, 80, 10}}, {{0, 1}, {80, 0, 80, 10}}}},
        {"spans are cut at the edge and cover what they reach",
         {2, 2, 0, false, false},
         {{0, 1, 5, 5, 30, 30, 10, 50}, {1, 1, 1, 1, 99, 99, 99, 99}, {0, 0, 1, 1, 10, 10, 10, 10}},
         {40, 20, 40, 40, 10},
         {{{0, 0}, {0, 0, 10, 10}}, {{0, 1}, {10, 0, 30, 10}}}},
        {"a stretchable axis grows without limit",
         {1, 2, 0, false, true},
         {{0, 0, 1, 1, 10, 10, 10, 10}, {0, 1, 1, 1, 10, 10, 10, 10}},
         {101, 10, 20, 2 * 65536, 10},
         {{{0, 0}, {0, 0, 51, 10}}, {{0, 1}, {51, 0, 50, 10}}}},
        {"an empty grid needs nothing", {0, 0, 5, false, false}, {}, {50, 50, 0, 0, 0}, {}},
    };
    for (const GridCase& c : cases) {
        GridLayoutGeometry grid;
        grid.insert_rows(0, c.shape.rows);
        grid.insert_columns(0, c.shape.columns);
        grid.rows().set_spacing(c.shape.spacing);
        grid.columns().set_spacing(c.shape.spacing);
        grid.columns().set_equal(c.shape.equal_columns);
        grid.columns().set_stretchable(c.shape.stretchable_columns);
        std::map<const GridLayoutCell*, CellPlan> plans;
        for (const CellPlan& plan : c.cells)
            grid.set_cell(plan.row, plan.column, nullptr, plan.row_span, plan.column_span);
        for (const CellPlan& plan : c.cells)
            plans[&grid.cell(plan.row, plan.column)] = plan;
        const auto limits_of = [&](const GridLayoutCell& a_cell) {
            const auto found = plans.find(&a_cell);
            if (found == plans.end())
                return GridLayoutCellLimits{};
            const CellPlan& s = found->second;
            return GridLayoutCellLimits{
                true, s.minimum_width, s.maximum_width, 0, s.minimum_height, s.maximum_height, 0};
        };
        grid.measure(limits_of);
        EXPECT_EQ(grid.columns().get_total_minimum(), c.sizes.minimum_width) << c.name;
        EXPECT_EQ(grid.columns().get_total_maximum(), c.sizes.maximum_width) << c.name;
        EXPECT_EQ(grid.rows().get_total_minimum(), c.sizes.minimum_height) << c.name;
        std::map<std::pair<std::size_t, std::size_t>, Rect> rects;
        grid.place(c.sizes.width, c.sizes.height, limits_of,
                   [&](const GridLayoutCell& a_cell, const Rect& a_rect) {
                       const CellPlan& s = plans.at(&a_cell);
                       rects[{s.row, s.column}] = a_rect;
                   });
        EXPECT_EQ(rects, c.rects) << c.name;
    }
}

TEST(GridLayoutGeometry, TotalsSaturateAndTheSecondModeUsesCurrentSizes) {
    GridLayoutAxis huge;
    huge.insert(0, 3);
    huge.measure(std::vector<GridLayoutAxisItem>{
        {0, 1, 10, 1'000'000'000, 0}, {1, 1, 10, 1'000'000'000, 0}, {2, 1, 10, 1'000'000'000, 0}});
    EXPECT_EQ(huge.get_total_maximum(), INT_MAX);

    GridLayoutAxis current;
    current.insert(0, 2);
    current.set_spacing(3);
    current.set_mode(GridLayoutAxisMode_CURRENT_SIZES);
    current.measure(std::vector<GridLayoutAxisItem>{
        {0, 1, 5, 500, 40}, {0, 1, 5, 500, 25}, {1, 1, 50, 500, 12}});
    EXPECT_EQ(current.get_total_minimum(), 55);
    EXPECT_EQ(current.get_total_maximum(), 55);
    current.place(1000); // no distribution in this mode
    EXPECT_EQ(current.extent(0, 2), (GridLayoutExtent{0, 55}));
    EXPECT_EQ(current.extent(1, 1), (GridLayoutExtent{43, 12}));
    current.set_stretchable(true);
    current.measure(std::vector<GridLayoutAxisItem>{{0, 1, 0, 0, 40}});
    EXPECT_EQ(current.get_total_maximum(), 65536);
}

TEST(GridLayoutGeometry, RowsAndColumnsMoveWithTheirCells) {
    GridLayoutGeometry grid;
    grid.insert_rows(0, 3);
    grid.insert_columns(0, 2);
    grid.set_cell(0, 1, nullptr, 2, 1);
    grid.move_row(0, 2);
    EXPECT_EQ(grid.cell(2, 1).row_span, 2u);
    EXPECT_EQ(grid.cell(0, 1).row_span, 1u);
    grid.remove_columns(0, 1);
    EXPECT_EQ(grid.cell(2, 0).row_span, 2u);
    EXPECT_EQ(failure([&] { grid.move_row(3, 0); }), u"a_from < m_rows.size()");
    EXPECT_EQ(failure([&] { grid.move_row(0, 3); }), u"a_to < m_rows.size()");
    EXPECT_EQ(failure([&] { grid.insert_rows(4, 1); }), u"a_at <= m_size_1");
    EXPECT_EQ(failure([&] { grid.insert_columns(2, 1); }), u"a_at <= m_size_2");
    EXPECT_EQ(failure([&] { grid.remove_rows(1, 3); }), u"a_count <= m_size_1 - a_at");
    EXPECT_EQ(failure([&] { grid.remove_columns(0, 2); }), u"a_count <= m_size_2 - a_at");
}

TEST(GridLayoutFillOrder, FillsInReadingOrderUpToTheFinalCount) {
    struct Case {
        GridLayoutDirection direction;
        std::size_t fixed, final_count, pushes;
        std::vector<GridLayoutPosition> positions;
    };
    const std::vector<Case> cases = {
        {GridLayoutDirection_ROW_MAJOR,
         3,
         0,
         7,
         {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}}},
        {GridLayoutDirection_COLUMN_MAJOR, 2, 5, 5, {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}}},
    };
    for (const Case& c : cases) {
        GridLayoutFillOrder order(c.direction, c.fixed, c.final_count);
        std::vector<GridLayoutPosition> positions;
        for (std::size_t i = 0; i < c.pushes; ++i)
            positions.push_back(order.next());
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(order.can_push(1), c.final_count == 0);
    }
    GridLayoutFillOrder limited(GridLayoutDirection_ROW_MAJOR, 2, 3);
    EXPECT_TRUE(limited.can_push(3));
    EXPECT_FALSE(limited.can_push(4));
    limited.next();
    limited.next();
    limited.next();
    EXPECT_THROW(limited.next(), Orvo::Exception);
    EXPECT_THROW(GridLayoutFillOrder(GridLayoutDirection_ROW_MAJOR, 0), Orvo::Exception);
}

} // namespace
