#include "tonekit/Parameters/ApproximateMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

using Tonekit::approximate_exp2;
using Tonekit::approximate_log2;

TEST(ApproximateMath, Log2StaysWithin1e5OfTheLibrary) {
    double worst = 0.0;
    for (double e = -120.0; e <= 120.0; e += 0.0013) {
        const float x = float(std::exp2(e));
        worst = std::max(worst, std::fabs(approximate_log2(x) - std::log2(double(x))));
    }
    EXPECT_LT(worst, 1e-5);
    // The exponent alone at powers of two.
    EXPECT_EQ(approximate_log2(1.0f), 0.0f);
    EXPECT_EQ(approximate_log2(0.125f), -3.0f);
    EXPECT_EQ(approximate_log2(1024.0f), 10.0f);
}

TEST(ApproximateMath, Exp2StaysWithinARelative1e4OfTheLibrary) {
    double worst = 0.0;
    for (double y = -126.0; y < 128.0; y += 0.00071) {
        const float exponent = float(y);
        const double exact = std::exp2(double(exponent));
        worst = std::max(worst, std::fabs(approximate_exp2(exponent) / exact - 1.0));
    }
    EXPECT_LT(worst, 1e-4);
}

TEST(ApproximateMath, Exp2OutsideTheFloatRangeSaturatesInsteadOfWrapping) {
    EXPECT_EQ(approximate_exp2(-127.5f), 0.0f);
    EXPECT_EQ(approximate_exp2(-1e30f), 0.0f);
    EXPECT_TRUE(std::isinf(approximate_exp2(128.0f)));
    EXPECT_TRUE(std::isinf(approximate_exp2(1e30f)));
    EXPECT_TRUE(std::isnan(approximate_exp2(std::nanf(""))));
    EXPECT_GT(approximate_exp2(127.999f), 1e38f);
}
