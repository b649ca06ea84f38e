// Every SSE kernel against its scalar twin, over seeded random blocks and the awkward values
// (NaN, infinities, values past the int32 range, taps past the mask). The twins must agree bit for
// bit: NaN lanes must agree on being NaN, every other lane on every bit.

#include "chorus/Block.h"
#include "chorus/DelayLimits.h"
#include "chorus/kernels/DelayReadKernels.h"
#include "chorus/kernels/MixKernels.h"
#include "chorus/kernels/PanningLawKernels.h"
#include "chorus/kernels/TransformationKernels.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace tolvanchorus;
namespace scalar = tolvanchorus::kernels::scalar;
namespace sse = tolvanchorus::kernels::sse;

namespace {

constexpr int trials = 2000;
constexpr float not_a_number = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

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
    // Now and then replaces a lane by a value the formulas were not written for.
    void sprinkle(float* a_lanes, unsigned int a_count) {
        static constexpr float awkward[] = {not_a_number, infinity, -infinity, 3e9f,
                                            -3e9f,        0.0f,     -0.0f};
        for (unsigned int k = 0; k < a_count; ++k)
            if (m_engine() % 16 == 0)
                a_lanes[k] = awkward[m_engine() % std::size(awkward)];
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

template <class T>
::testing::AssertionResult same_integers(const T* a_sse, const T* a_scalar) {
    for (unsigned int k = 0; k < block_frames; ++k)
        if (a_sse[k] != a_scalar[k])
            return ::testing::AssertionFailure()
                   << "lane " << k << ": sse " << a_sse[k] << ", scalar " << a_scalar[k];
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(KernelTwins, Transformations) {
    const struct {
        const char* name;
        TransformationFunction sse;
        TransformationFunction scalar;
    } twins[] = {{"offset", sse::offset, scalar::offset},
                 {"offset_scale", sse::offset_scale, scalar::offset_scale},
                 {"scale", sse::scale, scalar::scale},
                 {"scale_offset", sse::scale_offset, scalar::scale_offset}};
    Random random;
    for (const auto& twin : twins) {
        SCOPED_TRACE(twin.name);
        for (int trial = 0; trial < trials; ++trial) {
            Block x{}, offset{}, scale{}, by_sse{}, by_scalar{};
            random.fill(x.data(), block_frames, 0.0f, 2400.0f);
            random.fill(offset.data(), block_frames, -2400.0f, 2400.0f);
            random.fill(scale.data(), block_frames, 0.0f, 1.0f);
            random.sprinkle(x.data(), block_frames);
            twin.sse(x.data(), offset.data(), scale.data(), by_sse.data());
            twin.scalar(x.data(), offset.data(), scale.data(), by_scalar.data());
            ASSERT_TRUE(same_lanes(by_sse.data(), by_scalar.data(), block_frames));
            // In place, as the signal path may call them.
            twin.sse(x.data(), offset.data(), scale.data(), x.data());
            ASSERT_TRUE(same_lanes(x.data(), by_scalar.data(), block_frames));
        }
    }
}

TEST(KernelTwins, PanningLaws) {
    const struct {
        const char* name;
        PanningLawFunction sse;
        PanningLawFunction scalar;
    } twins[] = {{"linear", sse::pan_linear, scalar::pan_linear},
                 {"sine_cosine_high", sse::pan_sine_cosine_high, scalar::pan_sine_cosine_high},
                 {"sine_cosine_low", sse::pan_sine_cosine_low, scalar::pan_sine_cosine_low},
                 {"square_root", sse::pan_square_root, scalar::pan_square_root}};
    Random random;
    for (const auto& twin : twins) {
        SCOPED_TRACE(twin.name);
        for (int trial = 0; trial < trials; ++trial) {
            Block pan{}, stereo{};
            BlockPair by_sse{}, by_scalar{};
            // A little outside the ranges too: modulation may overshoot, sqrt of a negative
            // must then be NaN in both.
            random.fill(pan.data(), block_frames, -1.2f, 1.2f);
            random.fill(stereo.data(), block_frames, 0.0f, 1.1f);
            random.sprinkle(pan.data(), block_frames);
            twin.sse(pan.data(), stereo.data(), by_sse.data());
            twin.scalar(pan.data(), stereo.data(), by_scalar.data());
            ASSERT_TRUE(same_lanes(by_sse.data(), by_scalar.data(), 2 * block_frames));
        }
    }
}

TEST(KernelTwins, ReadPosition) {
    Random random;
    for (const float minimum : {0.0f, 1.0f}) {
        DelayLimits limits;
        limits.set(minimum, 5280.0f);
        for (int trial = 0; trial < trials; ++trial) {
            Block delay{}, depth{}, modulation{}, f_sse{}, f_scalar{};
            IndexBlock i_sse{}, i_scalar{};
            random.fill(delay.data(), block_frames, -20.0f, 6000.0f);
            random.fill(depth.data(), block_frames, -20.0f, 3000.0f);
            random.fill(modulation.data(), block_frames, -0.5f, 1.5f);
            random.sprinkle(delay.data(), block_frames);
            random.sprinkle(depth.data(), block_frames);
            random.sprinkle(modulation.data(), block_frames);
            sse::read_position(delay.data(), depth.data(), modulation.data(), limits, i_sse.data(),
                               f_sse.data());
            scalar::read_position(delay.data(), depth.data(), modulation.data(), limits,
                                  i_scalar.data(), f_scalar.data());
            ASSERT_TRUE(same_integers(i_sse.data(), i_scalar.data()));
            ASSERT_TRUE(same_lanes(f_sse.data(), f_scalar.data(), block_frames));
        }
    }
}

TEST(KernelTwins, ReadPositionOfNonFiniteValues) {
    // What both twins promise for values no parameter should produce: a NaN delay or depth reads
    // at the minimum, a NaN modulation gives the "integer indefinite" index and a NaN fraction.
    DelayLimits limits;
    limits.set(1.0f, 100.0f);
    for (const auto read_position : {sse::read_position, scalar::read_position}) {
        Block delay{}, depth{}, modulation{}, fraction{};
        IndexBlock index{};
        delay[0] = not_a_number, depth[0] = 3.0f;
        delay[1] = 2.0f, depth[1] = not_a_number;
        delay[2] = infinity, depth[2] = 0.0f;
        delay[3] = 2.0f, modulation[3] = not_a_number;
        read_position(delay.data(), depth.data(), modulation.data(), limits, index.data(),
                      fraction.data());
        EXPECT_EQ(index.lanes[0], 1);
        EXPECT_EQ(index.lanes[1], 1);
        EXPECT_EQ(index.lanes[2], 100);
        EXPECT_EQ(index.lanes[3], std::numeric_limits<std::int32_t>::min());
        EXPECT_TRUE(std::isnan(fraction[3]));
    }
}

TEST(KernelTwins, TapIndex) {
    Random random;
    for (const std::uint32_t mask : {31u, 8191u, 16383u}) {
        for (int trial = 0; trial < trials; ++trial) {
            PositionBlock positions{}, by_sse{}, by_scalar{};
            IndexBlock index{};
            for (unsigned int k = 0; k < block_frames; ++k) {
                positions.lanes[k] = random.bits() & mask;
                index.lanes[k] = static_cast<std::int32_t>(random.bits() % 12000) - 100;
            }
            index.lanes[trial % block_frames] = std::numeric_limits<std::int32_t>::min();
            sse::tap_index(positions.data(), index.data(), mask, by_sse.data());
            scalar::tap_index(positions.data(), index.data(), mask, by_scalar.data());
            ASSERT_TRUE(same_integers(by_sse.data(), by_scalar.data()));
            for (std::uint32_t tap : by_sse.lanes)
                ASSERT_LE(tap, mask);
        }
    }
}

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

TEST(KernelTwins, Mixing) {
    Random random;
    for (int trial = 0; trial < trials; ++trial) {
        Block left{}, right{}, gain{}, other{}, by_sse{}, by_scalar{};
        BlockPair gains{}, wet_sse{}, wet_scalar{};
        random.fill(left.data(), block_frames, -1.0f, 1.0f);
        random.fill(right.data(), block_frames, -1.0f, 1.0f);
        random.fill(gain.data(), block_frames, -1.0f, 1.0f);
        random.fill(other.data(), block_frames, -1.0f, 1.0f);
        random.fill(gains.data(), 2 * block_frames, 0.0f, 1.0f);
        random.fill(wet_sse.data(), 2 * block_frames, -4.0f, 4.0f);
        wet_scalar = wet_sse;

        sse::pan_sum(left.data(), right.data(), gains.data(), by_sse.data());
        scalar::pan_sum(left.data(), right.data(), gains.data(), by_scalar.data());
        ASSERT_TRUE(same_lanes(by_sse.data(), by_scalar.data(), block_frames)) << "pan_sum";

        sse::pan_sum_scaled(left.data(), right.data(), gains.data(), gain.data(), by_sse.data());
        scalar::pan_sum_scaled(left.data(), right.data(), gains.data(), gain.data(),
                               by_scalar.data());
        ASSERT_TRUE(same_lanes(by_sse.data(), by_scalar.data(), block_frames)) << "pan_sum_scaled";

        sse::accumulate(left.data(), gain.data(), gains.data(), wet_sse.data());
        scalar::accumulate(left.data(), gain.data(), gains.data(), wet_scalar.data());
        ASSERT_TRUE(same_lanes(wet_sse.data(), wet_scalar.data(), 2 * block_frames))
            << "accumulate";

        sse::mix(left.data(), right.data(), gain.data(), other.data(), gains.data(), by_sse.data());
        scalar::mix(left.data(), right.data(), gain.data(), other.data(), gains.data(),
                    by_scalar.data());
        ASSERT_TRUE(same_lanes(by_sse.data(), by_scalar.data(), block_frames)) << "mix";
    }
}
