#include "chorus/SignalPath.h"
#include "orvo/Core/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace tolvanchorus;

namespace {

using Signal = std::vector<float>;

Signal noise(std::size_t a_frames, unsigned int a_seed) {
    std::mt19937 engine(a_seed);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    Signal signal(a_frames);
    for (float& sample : signal)
        sample = uniform(engine);
    return signal;
}

void fill(Block& a_block, float a_value) {
    for (float& lane : a_block.lanes)
        lane = a_value;
}

// Runs whole signals through in control blocks of a_block frames.
struct Output {
    Signal left, right;
};
Output run(SignalPath& a_path, const Signal& a_left, const Signal& a_right,
           unsigned int a_block = block_frames) {
    Output output{Signal(a_left.size()), Signal(a_left.size())};
    for (std::size_t start = 0; start < a_left.size(); start += a_block) {
        const auto frames =
            static_cast<unsigned int>(std::min<std::size_t>(a_block, a_left.size() - start));
        a_path.process(&a_left[start], &a_right[start], &output.left[start], &output.right[start],
                       frames);
    }
    return output;
}

// One voice that passes the left input unchanged into its line and the line unchanged to the left
// output: the constant-power law at hard left has gains exactly 1 and 0.
void isolate_first_voice(SignalPath& a_path, float a_delay) {
    for (unsigned int j = 0; j < SignalPath::voice_count; ++j)
        a_path.voice(j).set_enabled(j == 0);
    a_path.update_effective_enabled();
    fill(a_path.voice(0).delay_block(), a_delay);
    fill(a_path.voice(0).depth_block(), 0.0f);
    fill(a_path.dry_block(), 0.0f);
    fill(a_path.wet_block(), 1.0f);
}

// The frame offsets where an impulse answer is not zero.
std::vector<std::size_t> peaks(const Signal& a_signal) {
    std::vector<std::size_t> where;
    for (std::size_t k = 0; k < a_signal.size(); ++k)
        if (a_signal[k] != 0.0f)
            where.push_back(k);
    return where;
}

} // namespace

TEST(SignalPath, SampleRateChangeResizesClearsAndMasks) {
    SignalPath path(96000.0);
    EXPECT_EQ(path.eight_line_bank().length(), 16384u);
    const Signal in = noise(12000, 10);
    run(path, in, in, 5);
    ASSERT_GT(path.eight_line_bank().positions()[0], 8191u);

    path.on_sample_rate_changed(48000.0);
    for (const DelayBank* bank : {&path.two_line_bank(), &path.eight_line_bank()}) {
        EXPECT_EQ(bank->size(), 5280u);
        EXPECT_EQ(bank->length(), 8192u);
    }
    for (unsigned int k = 0; k < block_frames; ++k) {
        EXPECT_EQ(path.eight_line_bank().positions()[k], (12000 + k) & 8191u);
        EXPECT_EQ(path.two_line_bank().positions()[k], k); // idle in the eight-buffer mode
    }
    EXPECT_EQ(path.limits(InterpolationAlgorithm_LINEAR).maximum[0], 5280.0f);
    EXPECT_EQ(path.limits(InterpolationAlgorithm_CUBIC).minimum[0], 1.0f);
    // Cleared: silence in gives silence out, with wet only.
    fill(path.dry_block(), 0.0f);
    const Signal silence(6000, 0.0f);
    EXPECT_EQ(peaks(run(path, silence, silence).left).size(), 0u);

    for (const double rate : {0.0, -44100.0, std::numeric_limits<double>::quiet_NaN(), 2.0e6})
        EXPECT_THROW(path.on_sample_rate_changed(rate), Orvo::Exception) << rate;
    EXPECT_EQ(path.eight_line_bank().size(), 5280u);
}

TEST(SignalPath, NonFiniteReadPositionsStayInsideTheLines) {
    // Values no parameter should produce; memory safety is checked by the sanitizer build.
    SignalPath path(48000.0), reference(48000.0);
    isolate_first_voice(path, std::numeric_limits<float>::quiet_NaN());
    isolate_first_voice(reference, 0.0f);
    const Signal left = noise(64, 15);
    EXPECT_EQ(run(path, left, left).left, run(reference, left, left).left);

    for (const float value :
         {std::numeric_limits<float>::infinity(), -3e9f, std::numeric_limits<float>::quiet_NaN()}) {
        fill(path.voice(0).pitch_modulation_block(), value);
        fill(path.voice(0).depth_block(), 100.0f);
        for (const auto algorithm : {InterpolationAlgorithm_LINEAR, InterpolationAlgorithm_CUBIC}) {
            path.set_interpolation(algorithm);
            run(path, left, left);
        }
    }
}
