// Every kernel width the processor runs renders the same bytes: the benchmark's saved states
// (bench/data), in both processing modes and both interpolations, with host blocks that split
// control blocks and wrap the delay lines, and parameter changes on the way so that smoothers run
// too. The baseline's kernels are held to their scalar twins elsewhere; this holds the wider ones
// to the baseline through the whole plug-in.

#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "orvo/SimdLevel.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "tests/support/TemporaryFolder.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Parameters/Parameter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* state;
    float processing_mode; // normalized: 0 two buffers, 1 eight
    float interpolation;   // normalized: 0 linear, 1 cubic
};

std::vector<char> chunk(const std::string& a_state) {
    std::ifstream file(std::string(TOLVAN_BENCH_DATA) + "/" + a_state + ".chunk", std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

void set(tolvanchorus::TheEffect& a_effect, const char (&a_id)[5], float a_value) {
    a_effect.get_program()
        ->get_collection()
        .find(Orvo::four_cc(a_id))
        ->set_normalized_value(a_value);
}

// Both output channels of about 40 000 frames, as bytes.
std::vector<float> render(const Case& a_case, Orvo::Simd::Level a_level) {
    EXPECT_EQ(Orvo::Simd::use_level(a_level), a_level);
    tolvanchorus::TheEffect effect;
    effect.initialize();
    effect.setSampleRate(48000.0f);
    std::vector<char> bytes = chunk(a_case.state);
    EXPECT_FALSE(bytes.empty()) << a_case.state;
    Orvo::MemoryInputStream input(bytes.data(), bytes.size());
    effect.get_preset_manager()->load(input, Tonekit::PresetManager::Section_ALL);
    set(effect, "PrMo", a_case.processing_mode);
    set(effect, "InAl", a_case.interpolation);

    std::mt19937 engine(7);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    std::vector<float> rendered;
    alignas(16) float left[1024], right[1024];
    float* channels[2] = {left, right};
    const unsigned blocks[] = {37, 1024, 5, 16, 256, 333, 1};
    for (unsigned round = 0; round < 12; ++round) {
        if (round == 4)
            set(effect, "Dep3", 0.9f);
        if (round == 7)
            set(effect, "OPa2", 0.2f);
        for (unsigned frames : blocks) {
            for (unsigned frame = 0; frame < frames; ++frame)
                left[frame] = noise(engine), right[frame] = noise(engine);
            Tonekit::ProcessRequest request;
            request.m_inputs = channels;
            request.m_outputs = channels;
            request.m_frames = frames;
            effect.process(request);
            rendered.insert(rendered.end(), left, left + frames);
            rendered.insert(rendered.end(), right, right + frames);
        }
    }
    return rendered;
}

class SimdPathTest : public testing::TestWithParam<Case> {
protected:
    void SetUp() override { setenv("XDG_DATA_HOME", m_home.path().c_str(), 1); }
    void TearDown() override { Orvo::Simd::use_level(Orvo::Simd::supported_level()); }

private:
    TestSupport::TemporaryFolder m_home;
};

TEST_P(SimdPathTest, EveryWidthRendersTheBaselineBytes) {
    if (Orvo::Simd::supported_level() == Orvo::Simd::Level_SSE2)
        GTEST_SKIP() << "this processor runs the baseline kernels only";
    const std::vector<float> baseline = render(GetParam(), Orvo::Simd::Level_SSE2);
    const std::vector<float> wide = render(GetParam(), Orvo::Simd::Level_AVX2);
    ASSERT_EQ(baseline.size(), wide.size());
    std::size_t first_difference = 0;
    while (first_difference < baseline.size() &&
           std::memcmp(&baseline[first_difference], &wide[first_difference], sizeof(float)) == 0)
        ++first_difference;
    EXPECT_EQ(first_difference, baseline.size()) << "first differing sample " << first_difference;
}

INSTANTIATE_TEST_SUITE_P(States, SimdPathTest,
                         testing::Values(Case{"still", 1.0f, 1.0f}, Case{"still", 0.0f, 0.0f},
                                         Case{"lfo", 1.0f, 1.0f}, Case{"lfo", 1.0f, 0.0f},
                                         Case{"lfo", 0.0f, 1.0f}, Case{"lfo_xy", 0.0f, 0.0f},
                                         Case{"lfo_xy", 1.0f, 1.0f}),
                         [](const testing::TestParamInfo<Case>& a_info) {
                             const Case& c = a_info.param;
                             return std::string(c.state) +
                                    (c.processing_mode > 0.5f ? "_eight_lines" : "_two_lines") +
                                    (c.interpolation > 0.5f ? "_cubic" : "_linear");
                         });

} // namespace
