#include "vexa/Layouts/BorderLayoutGeometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexa;

namespace {

TEST(BorderLayoutGeometry, SpacesLieOnlyBetweenPresentRegions) {
    struct Case {
        const char* name;
        unsigned mask;
        int minimum_width, minimum_height, maximum_height;
        std::array<Rect, BorderLayoutRegion_ENUM_SIZE> rects; // top, bottom, left, right, centre
    };
    const std::vector<Case> cases = {
        {"all five",
         31,
         66,
         43,
         223,
         {Rect{0, 0, 100, 10}, Rect{0, 52, 100, 8}, Rect{0, 12, 15, 37}, Rect{88, 12, 12, 37},
          Rect{19, 12, 64, 37}}},
        {"top and centre",
         17,
         30,
         32,
         212,
         {Rect{0, 0, 100, 10}, {}, {}, {}, Rect{0, 12, 100, 48}}},
        {"left and right keep both spaces",
         12,
         36,
         5,
         5,
         {Rect{}, {}, Rect{0, 0, 15, 60}, Rect{88, 0, 12, 60}, {}}},
        {"top and bottom", 3, 20, 23, 23, {Rect{0, 0, 100, 10}, Rect{0, 52, 100, 8}, {}, {}, {}}},
        {"centre alone", 16, 30, 20, 200, {Rect{}, {}, {}, {}, Rect{0, 0, 100, 60}}},
        {"nothing", 0, 0, 0, 0, {}},
    };
    const BorderLayoutLimits limits[] = {
        {20, 100, 10, 10}, {20, 100, 8, 8}, {15, 15, 5, 5}, {12, 12, 5, 5}, {30, 200, 20, 200}};
    for (const Case& c : cases) {
        BorderLayoutGeometry border;
        border.set_spaces({2, 3, 4, 5});
        for (int region = 0; region < BorderLayoutRegion_ENUM_SIZE; ++region)
            if (c.mask & (1u << region))
                border.set_region(BorderLayoutRegion(region), limits[region]);
        EXPECT_EQ(border.get_mask(), c.mask) << c.name;
        EXPECT_EQ(border.get_minimum_width(), c.minimum_width) << c.name;
        EXPECT_EQ(border.get_minimum_height(), c.minimum_height) << c.name;
        EXPECT_EQ(border.get_maximum_height(), c.maximum_height) << c.name;
        EXPECT_EQ(border.place(100, 60), c.rects) << c.name;
    }
}

} // namespace
