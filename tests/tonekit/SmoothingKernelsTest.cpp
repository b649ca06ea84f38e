// The four-wide ramps against their scalar twins, and the coefficient blocks they run on.

#include "tonekit/Parameters/SmoothingKernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace Kernels = Tonekit::SmoothingKernels;

namespace {

using Ramp = void (*)(const float*, float, float, float*) noexcept;

constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float not_a_number = std::numeric_limits<float>::quiet_NaN();
constexpr float guard = -12345.0f;

// 16 lanes with four guard floats on each side, 16-byte aligned.
struct alignas(16) GuardedLanes {
    float m_before[4] = {guard, guard, guard, guard};
    float m_lanes[16] = {};
    float m_after[4] = {guard, guard, guard, guard};
    bool guards_intact() const {
        for (int i = 0; i < 4; ++i)
            if (m_before[i] != guard || m_after[i] != guard)
                return false;
        return true;
    }
};

struct TwinCase {
    const char* m_name;
    Ramp m_scalar;
    Ramp m_vector;
    // Coefficients the ramp is meant for: steps for the linear one, factors above 1 for the
    // geometric one.
    float (*m_coefficient)(std::mt19937&, unsigned);
};

float linear_step(std::mt19937& a_random, unsigned a_lane) {
    return std::uniform_real_distribution<float>(0.0f, 2.0f)(a_random) * float(a_lane + 1);
}
float geometric_factor(std::mt19937& a_random, unsigned a_lane) {
    return std::pow(std::uniform_real_distribution<float>(1.0f, 1.2f)(a_random), float(a_lane + 1));
}

class RampTwins : public ::testing::TestWithParam<TwinCase> {};

// Bitwise: the smoothers run the vector form, the tests reason with the scalar one.
void expect_twins(const TwinCase& a_case, const float* a_coefficients, float a_value,
                  float a_target) {
    GuardedLanes scalar, vector;
    a_case.m_scalar(a_coefficients, a_value, a_target, scalar.m_lanes);
    a_case.m_vector(a_coefficients, a_value, a_target, vector.m_lanes);
    ASSERT_EQ(std::memcmp(scalar.m_lanes, vector.m_lanes, sizeof scalar.m_lanes), 0)
        << a_case.m_name << " v=" << a_value << " t=" << a_target;
    ASSERT_TRUE(vector.guards_intact()) << a_case.m_name;
}

} // namespace

TEST_P(RampTwins, VectorAndScalarFormsGiveTheSameLanes) {
    const TwinCase& twin = GetParam();
    std::mt19937 random(20261206);
    std::uniform_real_distribution<float> value(0.001f, 100.0f);
    alignas(16) float coefficients[16];
    for (int round = 0; round < 2000; ++round) {
        for (unsigned i = 0; i < 16; ++i)
            coefficients[i] = twin.m_coefficient(random, i);
        const float v = value(random);
        // Targets below, above, at and near the current value.
        for (float t : {value(random), v, v * 1.0001f, v / 1.0001f, v + coefficients[7]})
            expect_twins(twin, coefficients, v, t);
    }
    // Values no ramp should meet, so that both forms at least agree on them.
    for (unsigned i = 0; i < 16; ++i)
        coefficients[i] = i % 3 == 0 ? infinity : twin.m_coefficient(random, i);
    for (float v : {0.0f, -0.0f, 1.0f, infinity, not_a_number})
        for (float t : {0.0f, -0.0f, 2.0f, infinity, -infinity, not_a_number})
            expect_twins(twin, coefficients, v, t);
}

INSTANTIATE_TEST_SUITE_P(SmoothingKernels, RampTwins,
                         ::testing::Values(TwinCase{"linear", Kernels::linear_ramp_scalar,
                                                    Kernels::linear_ramp, linear_step},
                                           TwinCase{"geometric", Kernels::geometric_ramp_scalar,
                                                    Kernels::geometric_ramp, geometric_factor}),
                         [](const ::testing::TestParamInfo<TwinCase>& a_info) {
                             return a_info.param.m_name;
                         });

TEST(SmoothingKernels, CoefficientsCoverOneToSixteenFrames) {
    alignas(16) float c[16];
    Kernels::linear_coefficients(50.0 / 2400.0, c);
    EXPECT_FLOAT_EQ(c[0], 50.0f / 2400.0f);
    EXPECT_FLOAT_EQ(c[15], 16.0f * 50.0f / 2400.0f);
    Kernels::geometric_coefficients(1000.0, 1.0 / 2400.0, c);
    EXPECT_FLOAT_EQ(c[0], float(std::pow(1000.0, 1.0 / 2400.0)));
    EXPECT_FLOAT_EQ(c[15], float(std::pow(1000.0, 16.0 / 2400.0)));

    // A ratio scale too slow to show in a float still moves, by the least step a float has.
    Kernels::geometric_coefficients(1.001, 1e-7, c);
    EXPECT_EQ(c[0], std::nextafter(1.0f, 2.0f));

    // Unusable definitions arrive at once rather than never.
    for (double step : {0.0, -1.0, double(not_a_number), double(infinity)}) {
        Kernels::linear_coefficients(step, c);
        EXPECT_EQ(c[0], infinity) << step;
        EXPECT_EQ(c[15], infinity) << step;
    }
    for (double ratio : {1.0, 0.5, 0.0, -4.0, double(not_a_number)}) {
        Kernels::geometric_coefficients(ratio, 0.001, c);
        EXPECT_EQ(c[3], infinity) << ratio;
    }
    alignas(16) float lanes[16];
    Kernels::linear_coefficients(0.0, c);
    Kernels::linear_ramp(c, 3.0f, 7.0f, lanes);
    EXPECT_EQ(lanes[0], 7.0f);
    Kernels::geometric_coefficients(0.5, 0.001, c);
    Kernels::geometric_ramp(c, 3.0f, 7.0f, lanes);
    EXPECT_EQ(lanes[0], 7.0f);
}
