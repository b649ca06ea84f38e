#include "../HeadlessToolkit.h"

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/GuiBuilder/GuiBuilder.h"
#include "vexa/Layouts/BorderLayout.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/PageLayout.h"
#include "vexa/Layouts/StretchLayout.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/WidgetMover/WidgetMover.h"
#include "vexa/Window/Window.h"

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;

namespace {

// A leaf that asks for the given range and, as its preferred size, its minimum.
Widget* box(int a_min_width, int a_max_width, int a_min_height, int a_max_height) {
    auto* widget = new Widget;
    widget->set_size_constraints(
        {a_min_width, a_max_width, a_min_width, a_min_height, a_max_height, a_min_height});
    return widget;
}

class Layouts : public VexaTest::HeadlessBoard {
protected:
    Layouts() : HeadlessBoard(800, 600) {}
    // Puts the layout on the board at the rectangle; the update pass measures and places it.
    template <class L>
    L* show(L* a_layout, const Rect& a_rect) {
        m_board->add_child(a_layout);
        a_layout->set_geometry(a_rect);
        return a_layout;
    }
};

struct LayoutCase {
    const char* name;
    // Builds the layout and lists the children whose rectangles are checked.
    std::function<Layout*(std::vector<Widget*>&)> build;
    Rect given;
    Size minimum; // the layout's requested minimum
    std::vector<Rect> rects;
};

TEST_F(Layouts, ChildrenGetTheirRectangles) {
    const std::vector<LayoutCase> cases = {
        {"a grid with a span, spacing and padding",
         [](std::vector<Widget*>& a_children) {
             auto* grid = new GridLayout(2, 2);
             grid->set_paddings({5, 5, 5, 5});
             grid->set_horizontal_spacing(4);
             grid->set_vertical_spacing(2);
             a_children = {box(100, 300, 10, 10), box(20, 400, 10, 10), box(30, 30, 10, 40)};
             grid->set_cell(0, 0, a_children[0], 1, 2);
             grid->set_cell(1, 0, a_children[1]);
             grid->set_cell(1, 1, a_children[2]);
             return grid;
         },
         {0, 0, 200, 50},
         {110, 32},
         // The span widens the first column to 66; the second is at its maximum, so the first
         // takes all 90 spare pixels.
         {{5, 5, 190, 10}, {5, 17, 156, 10}, {165, 17, 30, 28}}},
        {"a child at its maximum sits at the cell's top-left",
         [](std::vector<Widget*>& a_children) {
             auto* row = new HorizontalLayout;
             a_children = {box(10, 20, 10, 15), box(10, 500, 10, 500)};
             row->append(a_children[0]);
             row->append(a_children[1]);
             return row;
         },
         {0, 0, 200, 40},
         {20, 10},
         {{0, 0, 20, 15}, {20, 0, 180, 40}}},
        {"equal rows and too little space",
         [](std::vector<Widget*>& a_children) {
             auto* column = new VerticalLayout;
             column->set_equal_row_heights(true);
             column->set_vertical_spacing(3);
             a_children = {box(10, 50, 10, 100), box(10, 50, 30, 100)};
             column->append(a_children[0]);
             column->append(a_children[1]);
             return column;
         },
         {0, 0, 5, 5},
         {10, 63},
         {{0, 0, 10, 30}, {0, 33, 10, 30}}},
        {"a stretch layout follows its child",
         [](std::vector<Widget*>& a_children) {
             auto* stretch = new StretchLayout;
             a_children = {box(30, 120, 20, 80)};
             stretch->set_widget(a_children[0]);
             return stretch;
         },
         {10, 10, 300, 300},
         {30, 20},
         {{0, 0, 120, 80}}},
        {"a page layout measures as its largest page",
         [](std::vector<Widget*>& a_children) {
             auto* pages = new PageLayout;
             a_children = {box(30, 999, 20, 999)};
             pages->add_page(a_children[0]);
             pages->add_page(box(70, 999, 5, 999));
             return pages;
         },
         {0, 0, 10, 10},
         {70, 20},
         {{0, 0, 70, 20}}},
    };
    for (const LayoutCase& c : cases) {
        std::vector<Widget*> children;
        Layout* layout = show(c.build(children), c.given);
        const WidgetRequestedSizes& sizes = layout->get_requested_sizes();
        EXPECT_EQ((Size{sizes.get_minimum_width(), sizes.get_minimum_height()}), c.minimum)
            << c.name;
        std::vector<Rect> rects;
        for (Widget* child : children)
            rects.push_back(child->get_rect());
        EXPECT_EQ(rects, c.rects) << c.name;
        layout->destroy();
    }
}

TEST_F(Layouts, GridRowsMoveWithTheirChildren) {
    auto* grid = show(new GridLayout(3, 1), {0, 0, 100, 100});
    Widget* first = box(10, 10, 10, 10);
    Widget* last = box(10, 10, 20, 20);
    grid->set_cell(0, 0, first);
    grid->set_cell(2, 0, last);
    grid->move_row(2, 0);
    EXPECT_EQ(grid->get_cell_widget(0, 0), last);
    EXPECT_EQ(grid->get_position(first).row, 1u);
    EXPECT_EQ(first->get_rect(), (Rect{0, 20, 10, 10}));
    first->destroy();
    EXPECT_EQ(grid->get_cell_widget(1, 0), nullptr);
    grid->remove_rows(0, 1);
    EXPECT_EQ(grid->get_children().size(), 0u);
    EXPECT_EQ(failure([&] { grid->move_row(0, 2); }), u"a_to < m_rows.size()");
}

TEST_F(Layouts, TheStyleSheetSetsSpacingsAndSpaces) {
    auto* earlier = show(new GridLayout(1, 1), {0, 0, 10, 10});
    Application::get()->load_style_sheet_text(
        u"class GridLayout; spacing: [6px 3px]; equal_column_widths: yes; end class;\n"
        u"class BorderLayout; spaces: [1px 2px 3px 4px]; vertical_spaces: [7px 8px]; end class;\n");
    auto* grid = show(new GridLayout(1, 1), {0, 0, 10, 10});
    auto* border = show(new BorderLayout, {0, 0, 10, 10});
    EXPECT_EQ(grid->get_horizontal_spacing(), 6);
    EXPECT_EQ(grid->get_vertical_spacing(), 3);
    EXPECT_TRUE(grid->has_equal_column_widths());
    EXPECT_EQ(border->get_spaces(), (BorderLayoutSpaces{7, 8, 4, 2}));
    // A layout made before the sheet takes its values at its next measure.
    earlier->request_measure();
    EXPECT_EQ(earlier->get_vertical_spacing(), 3);
}

TEST_F(Layouts, TheGuiBuilderNestsContainersInReadingOrder) {
    GuiBuilder builder;
    builder.begin_vertical();
    GridLayout* grid = builder.begin_grid(GridLayoutDirection_ROW_MAJOR, 3);
    for (int i = 0; i < 7; ++i)
        builder.push(box(10, 10, 10, 10));
    builder.end();
    StretchLayout* stretch = builder.begin_stretch();
    builder.push(box(5, 5, 5, 5));
    EXPECT_EQ(failure([&] { builder.push(nullptr); }), u"!m_done");
    builder.end();
    EXPECT_EQ(failure([&] { builder.take_root(); }), u"m_pushers.empty()");
    builder.end();
    EXPECT_EQ(failure([&] { builder.push(nullptr); }), u"!m_pushers.empty()");
    auto* root = dynamic_cast<VerticalLayout*>(builder.take_root());
    ASSERT_TRUE(root);
    EXPECT_EQ(root->get_cell_widget(0, 0), grid);
    EXPECT_EQ(root->get_cell_widget(1, 0), stretch);
    EXPECT_EQ(grid->get_row_count(), 3u);
    EXPECT_EQ(grid->get_children().size(), 7u);
    EXPECT_EQ(grid->get_cell_widget(2, 1), nullptr);
    EXPECT_EQ(grid->get_cell_widget(2, 2), nullptr);
    show(root, {0, 0, 100, 100});
    EXPECT_EQ(stretch->get_rect(), (Rect{0, 30, 5, 5}));
}

TEST_F(Layouts, AMoverDragsItsWidgetInsideItself) {
    auto* mover = show(new WidgetMover, {0, 0, 200, 100});
    Widget* handle = box(20, 20, 10, 10);
    mover->set_widget(handle);
    const std::unique_ptr<Widget> refused(box(1, 1, 1, 1)); // stays the caller's
    EXPECT_EQ(failure([&] { mover->set_widget(refused.get()); }), u"!m_widget");
    const auto send = [&](NativeEventType a_type, int a_x, int a_y) {
        m_platform->send(*m_system->get_native_window(), mouse(a_type, a_x, a_y));
    };
    send(NativeEventType::button_down, 5, 5);
    send(NativeEventType::mouse_move, 45, 25);
    EXPECT_EQ(handle->get_rect(), (Rect{40, 20, 20, 10}));
    send(NativeEventType::mouse_move, 500, 500);
    send(NativeEventType::button_up, 500, 500);
    EXPECT_EQ(handle->get_rect(), (Rect{180, 90, 20, 10}));
}

// Random trees: every container kind, spans, hidden pages, random limits. Placing the same tree
// again at the same size gives the same rectangles, and no child leaves its parent.
Widget* random_tree(std::mt19937& a_random, int a_depth) {
    const auto pick = [&](int a_low, int a_high) {
        return std::uniform_int_distribution<int>(a_low, a_high)(a_random);
    };
    const auto leaf = [&] {
        const int width = pick(0, 60), height = pick(0, 40);
        return box(width, width + pick(0, 1) * pick(0, 200), height,
                   height + pick(0, 1) * pick(0, 200));
    };
    if (a_depth == 0 || pick(0, 3) == 0)
        return leaf();
    switch (pick(0, 3)) {
    case 0: {
        const std::size_t rows = std::size_t(pick(1, 3)), columns = std::size_t(pick(1, 3));
        auto* grid = new GridLayout(rows, columns);
        grid->set_horizontal_spacing(pick(0, 6));
        grid->set_vertical_spacing(pick(0, 6));
        grid->set_equal_column_widths(pick(0, 1));
        // Widgets only go where no span reaches, as in real use.
        std::vector<bool> covered(rows * columns);
        for (std::size_t r = 0; r < rows; ++r)
            for (std::size_t c = 0; c < columns; ++c) {
                if (covered[r * columns + c] || pick(0, 4) == 0)
                    continue;
                const int row_span = pick(1, 2), column_span = pick(1, 2);
                for (std::size_t i = r; i < std::min(rows, r + row_span); ++i)
                    for (std::size_t j = c; j < std::min(columns, c + column_span); ++j)
                        covered[i * columns + j] = true;
                grid->set_cell(r, c, random_tree(a_random, a_depth - 1), unsigned(row_span),
                               unsigned(column_span));
            }
        return grid;
    }
    case 1: {
        auto* border = new BorderLayout;
        border->set_spaces({pick(0, 5), pick(0, 5), pick(0, 5), pick(0, 5)});
        for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region)
            if (pick(0, 1))
                border->set_widget(BorderLayoutRegion(region), random_tree(a_random, a_depth - 1));
        return border;
    }
    case 2: {
        auto* stretch = new StretchLayout;
        stretch->set_widget(random_tree(a_random, a_depth - 1));
        return stretch;
    }
    default: {
        auto* pages = new PageLayout;
        for (int i = pick(1, 3); i > 0; --i)
            pages->add_page(random_tree(a_random, a_depth - 1));
        return pages;
    }
    }
}

void collect(const Widget* a_widget, std::vector<Rect>& a_rects, std::string& a_escapes) {
    for (const Widget* child : a_widget->get_children()) {
        const Rect rect = child->get_rect();
        a_rects.push_back(rect);
        if (rect.x < 0 || rect.y < 0 || rect.right() > a_widget->get_width() ||
            rect.bottom() > a_widget->get_height())
            a_escapes += std::string("a child of a ") +
                         Orvo::to_utf8(a_widget->get_widget_class()) + " outside it; ";
        collect(child, a_rects, a_escapes);
    }
}

TEST_F(Layouts, RandomTreesArePlacedTheSameWayAndInsideTheirParents) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        Widget* root = random_tree(random, 4);
        const Rect given{0, 0, int(random() % 500), int(random() % 400)};
        show(root, given);
        std::vector<Rect> first, second;
        std::string escapes;
        collect(root, first, escapes);
        root->set_geometry(0, 0, given.width + 137, given.height + 71);
        root->set_geometry(given);
        collect(root, second, escapes);
        EXPECT_EQ(first, second) << "seed " << seed;
        EXPECT_EQ(escapes, "") << "seed " << seed;
        root->destroy();
    }
}

} // namespace
