#include "vexa/Layouts/BorderLayoutGeometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexa;

namespace {

TEST(BorderLayoutGeometry, SpacesLieOnlyBetweenPresentRegions) {
    struct Case {
        unsigned mask; // which regions are present
        int minimum_width, minimum_height, maximum_height;
        std::array<Rect, BorderLayoutRegion_ENUM_SIZE> rects; // top, bottom, left, right, centre
    };
    const Rect none, top{0, 0, 100, 10}, bottom{0, 52, 100, 8};
    const std::vector<Case> cases = {
        {31, 66, 43, 223, {top, bottom, {0, 12, 15, 37}, {88, 12, 12, 37}, {19, 12, 64, 37}}},
        {17, 30, 32, 212, {top, none, none, none, {0, 12, 100, 48}}},
        // Left and right keep both spaces.
        {12, 36, 5, 5, {none, none, {0, 0, 15, 60}, {88, 0, 12, 60}, none}},
        {3, 20, 23, 23, {top, bottom, none, none, none}},
        {16, 30, 20, 200, {none, none, none, none, {0, 0, 100, 60}}},
        {0, 0, 0, 0, {}},
    };
    const BorderLayoutLimits limits[] = {
        {20, 100, 10, 10}, {20, 100, 8, 8}, {15, 15, 5, 5}, {12, 12, 5, 5}, {30, 200, 20, 200}};
    for (const Case& c : cases) {
        BorderLayoutGeometry border;
        border.set_spaces({2, 3, 4, 5});
        for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region)
            if (c.mask & (1u << region))
                border.set_region(BorderLayoutRegion(region), limits[region]);
        EXPECT_EQ(border.get_mask(), c.mask) << "mask " << c.mask;
        EXPECT_EQ(border.get_minimum_width(), c.minimum_width) << "mask " << c.mask;
        EXPECT_EQ(border.get_minimum_height(), c.minimum_height) << "mask " << c.mask;
        EXPECT_EQ(border.get_maximum_height(), c.maximum_height) << "mask " << c.mask;
        EXPECT_EQ(border.place(100, 60), c.rects) << "mask " << c.mask;
    }
}

} // namespace
