// The SSE interpolation kernels against their scalar twins, over seeded random blocks and taps
// past the mask. The twins must agree bit for bit: NaN lanes must agree on being NaN, every other
// lane on every bit. (The reference comparison pins the other kernels.)

#include "chorus/Block.h"
#include "chorus/kernels/DelayReadKernels.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

using namespace tolvanchorus;
namespace scalar = tolvanchorus::kernels::scalar;
namespace sse = tolvanchorus::kernels::sse;

namespace {

constexpr int trials = 2000;

class Random {
public:
    float uniform(float a_low, float a_high) {
        return std::uniform_real_distribution<float>(a_low, a_high)(m_engine);
    }
    std::uint32_t bits() { return m_engine(); }
    void fill(float* a_lanes, unsigned int a_count, float a_low, float a_high) {
        for (unsigned int k = 0; k < a_count; ++k)
            a_lanes[k] = uniform(a_low, a_high);
    }

private:
    std::mt19937 m_engine{20240611};
};

::testing::AssertionResult same_lanes(const float* a_sse, const float* a_scalar,
                                      unsigned int a_count) {
    for (unsigned int k = 0; k < a_count; ++k) {
        const bool both_nan = std::isnan(a_sse[k]) && std::isnan(a_scalar[k]);
        if (!both_nan &&
            std::bit_cast<std::uint32_t>(a_sse[k]) != std::bit_cast<std::uint32_t>(a_scalar[k]))
            return ::testing::AssertionFailure()
                   << "lane " << k << ": sse " << a_sse[k] << ", scalar " << a_scalar[k];
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(KernelTwins, Interpolations) {
    Random random;
    constexpr std::uint32_t mask = 8191;
    std::vector<float> line(mask + 1);
    random.fill(line.data(), mask + 1, -1.0f, 1.0f);
    const struct {
        const char* name;
        decltype(&sse::interpolate_cubic) sse;
        decltype(&sse::interpolate_cubic) scalar;
    } twins[] = {{"linear", sse::interpolate_linear, scalar::interpolate_linear},
                 {"cubic", sse::interpolate_cubic, scalar::interpolate_cubic}};
    for (const auto& twin : twins) {
        SCOPED_TRACE(twin.name);
        for (int trial = 0; trial < trials; ++trial) {
            PositionBlock tap{};
            Block fraction{}, by_sse{}, by_scalar{};
            // Each way of fetching the samples: lanes far apart, lanes near the end of the line
            // (and taps beyond the mask), runs of consecutive taps (the runs near the end must
            // not be read as one).
            const std::uint32_t run = random.bits() % 2 ? random.bits() : mask - random.bits() % 8;
            for (unsigned int k = 0; k < block_frames; ++k)
                tap.lanes[k] = trial % 3 == 0   ? random.bits()
                               : trial % 3 == 1 ? (random.bits() % 8 + mask - 3) & mask
                                                : (run + k) & mask;
            random.fill(fraction.data(), block_frames, 0.0f, 1.0f);
            twin.sse(line.data(), tap.data(), mask, fraction.data(), by_sse.data());
            twin.scalar(line.data(), tap.data(), mask, fraction.data(), by_scalar.data());
            ASSERT_TRUE(same_lanes(by_sse.data(), by_scalar.data(), block_frames));
        }
    }
}
