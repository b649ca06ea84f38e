// The signal path against the frame-by-frame reference model, over noise with every parameter
// moving, for each processing mode, interpolation, host chunk size and a few voice set-ups. The
// host chunks are walked in control blocks kept aligned to multiples of 16 frames across chunks,
// as the device does, so the chunk sizes give partial blocks of every length.
//
// Expected: bit-identical output. Both sides perform the same single-precision operations in the
// same order (the library and the tests build without FMA contraction), so any difference is a
// fault, not rounding.

#include "ReferenceChorus.h"

#include "chorus/SignalPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace tolvanchorus;
using reference::Frame;
using reference::PanningLaw;
using reference::ReferenceChorus;
using reference::Settings;
using reference::Transformation;

namespace {

struct Case {
    bool eight_buffers;
    bool cubic;
    unsigned int chunk;
    int setup;
};

std::string case_name(const ::testing::TestParamInfo<Case>& a_info) {
    const Case& c = a_info.param;
    return std::string(c.eight_buffers ? "Eight" : "Two") + (c.cubic ? "Cubic" : "Linear") +
           "Chunk" + std::to_string(c.chunk) + "Setup" + std::to_string(c.setup);
}

constexpr double sample_rates[] = {8000.0, 8000.0, 44100.0};
constexpr std::size_t frame_counts[] = {6000, 6000, 10000};

// The choices of a set-up at a frame; changes fall on multiples of 16, at control-block starts.
Settings settings_at(const Case& a_case, std::size_t a_frame) {
    Settings settings;
    settings.eight_buffers = a_case.eight_buffers;
    settings.cubic = a_case.cubic;
    switch (a_case.setup) {
    case 0: // the default voices with their laws
        settings.voices[0].enabled = settings.voices[1].enabled = true;
        break;
    case 1: // every voice, every law and transformation; a mode switch replays the idle bank
        settings.delay_transformation = Transformation::offset_scale;
        settings.depth_transformation = Transformation::scale_offset;
        for (int j = 0; j < 8; ++j) {
            settings.voices[j].enabled = j != 6 || a_frame >= 3072;
            settings.voices[j].input_law = PanningLaw(j % 4);
            settings.voices[j].output_law = PanningLaw((j + 1) % 4);
        }
        if (a_frame >= 2048 && a_frame < 4096)
            settings.eight_buffers = !a_case.eight_buffers;
        if (a_frame >= 4096)
            settings.cubic = !a_case.cubic;
        break;
    default: // solo on a disabled voice, then on two voices, then none
        settings.delay_transformation = Transformation::offset;
        settings.depth_transformation = Transformation::scale;
        for (int j = 0; j < 8; ++j)
            settings.voices[j].enabled = j % 2 == 0;
        settings.voices[3].solo = a_frame < 4000;
        settings.voices[6].solo = a_frame >= 2000 && a_frame < 6000;
        settings.voices[3].output_law = PanningLaw::square_root;
        break;
    }
    return settings;
}

// Every continuous value moves: slow sweeps with noise on top, ranges wide enough to reach both
// delay limits.
std::vector<Frame> frames_for(const Case& a_case, double a_rate, std::size_t a_count) {
    std::mt19937 engine(1000 + a_case.setup);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    auto bipolar = [&] { return 2.0f * unit(engine) - 1.0f; };
    const float size = static_cast<float>(a_rate * 0.11);
    std::vector<Frame> frames(a_count);
    for (std::size_t t = 0; t < a_count; ++t) {
        Frame& frame = frames[t];
        const float sweep = 0.5f + 0.5f * std::sin(0.0007f * float(t));
        frame.delay_offset = size * 0.1f * bipolar();
        frame.delay_scale = 0.5f + 0.5f * unit(engine);
        frame.depth_offset = size * 0.05f * bipolar();
        frame.depth_scale = unit(engine);
        frame.global_gain = 0.5f + 1.5f * unit(engine);
        // Set-up 0 holds both stereo widths: only a moving pan can then renew the panning gains.
        const float input_stereo = unit(engine);
        frame.input_stereo = a_case.setup == 0 ? 0.75f : input_stereo;
        frame.output_stereo = a_case.setup == 0 ? 0.6f : sweep;
        frame.dry = bipolar();
        frame.wet = bipolar();
        for (int j = 0; j < 8; ++j) {
            Frame::Voice& voice = frame.voices[j];
            // Voice 0 sits at the short end (the cubic minimum), voice 7 beyond the long end. The
            // odd voices jitter by a frame, so their lanes read apart; the even ones move slowly.
            const float jitter = j % 2 ? 2.0f * unit(engine) - 1.0f : 0.0f;
            voice.delay = size * (0.14f * float(j) + 0.02f * sweep) + jitter;
            voice.depth = size * 0.3f * sweep;
            voice.input_gain = bipolar();
            voice.input_pan = bipolar();
            voice.output_gain = bipolar();
            voice.output_pan = j % 3 == 0 ? bipolar() : float(j % 3) - 1.5f;
            voice.pitch_modulation = std::fmin(1.0f, std::fmax(0.0f, sweep + 0.2f * bipolar()));
        }
    }
    return frames;
}

void apply(SignalPath& a_path, const Settings& a_settings) {
    auto transformation = [](Transformation a_kind) -> TransformationFunction {
        return a_kind == Transformation::none
                   ? nullptr
                   : SignalPath::transformation_kernels()[int(a_kind) - 1];
    };
    a_path.set_processing_function(SignalPath::processing_functions()[a_settings.eight_buffers]);
    a_path.set_interpolation(a_settings.cubic ? InterpolationAlgorithm_CUBIC
                                              : InterpolationAlgorithm_LINEAR);
    a_path.set_delay_transformation(transformation(a_settings.delay_transformation));
    a_path.set_depth_transformation(transformation(a_settings.depth_transformation));
    for (unsigned int j = 0; j < 8; ++j) {
        Voice& voice = a_path.voice(j);
        voice.set_enabled(a_settings.voices[j].enabled);
        voice.set_solo(a_settings.voices[j].solo);
        voice.set_input_panning_law(
            SignalPath::panning_law_kernels()[int(a_settings.voices[j].input_law)]);
        voice.set_output_panning_law(
            SignalPath::panning_law_kernels()[int(a_settings.voices[j].output_law)]);
    }
    a_path.update_effective_enabled();
}

// What the framework does before each control block: one lane per frame.
void load_blocks(SignalPath& a_path, const Frame* a_frames, unsigned int a_count) {
    for (unsigned int k = 0; k < a_count; ++k) {
        const Frame& frame = a_frames[k];
        a_path.delay_offset_block()[k] = frame.delay_offset;
        a_path.delay_scale_block()[k] = frame.delay_scale;
        a_path.depth_offset_block()[k] = frame.depth_offset;
        a_path.depth_scale_block()[k] = frame.depth_scale;
        a_path.global_gain_block()[k] = frame.global_gain;
        a_path.input_stereo_block()[k] = frame.input_stereo;
        a_path.output_stereo_block()[k] = frame.output_stereo;
        a_path.dry_block()[k] = frame.dry;
        a_path.wet_block()[k] = frame.wet;
        for (unsigned int j = 0; j < 8; ++j) {
            Voice& voice = a_path.voice(j);
            voice.delay_block()[k] = frame.voices[j].delay;
            voice.depth_block()[k] = frame.voices[j].depth;
            voice.input_gain_block()[k] = frame.voices[j].input_gain;
            voice.input_pan_block()[k] = frame.voices[j].input_pan;
            voice.output_gain_block()[k] = frame.voices[j].output_gain;
            voice.output_pan_block()[k] = frame.voices[j].output_pan;
            voice.pitch_modulation_block()[k] = frame.voices[j].pitch_modulation;
        }
    }
}

class AgainstReference : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(AgainstReference, MatchesFrameByFrame) {
    const Case& c = GetParam();
    const double rate = sample_rates[c.setup];
    const std::size_t count = frame_counts[c.setup];
    const std::vector<Frame> frames = frames_for(c, rate, count);
    std::mt19937 engine(7 + c.setup);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> left(count), right(count);
    for (std::size_t t = 0; t < count; ++t)
        left[t] = noise(engine), right[t] = noise(engine);

    ReferenceChorus model(rate);
    std::vector<float> expected_left(count), expected_right(count);
    for (std::size_t t = 0; t < count; ++t)
        std::tie(expected_left[t], expected_right[t]) =
            model.process(settings_at(c, t), frames[t], left[t], right[t]);

    SignalPath path(rate);
    ASSERT_EQ(path.eight_line_bank().length(), model.length());
    std::vector<float> out_left(count), out_right(count);
    for (std::size_t chunk = 0; chunk < count; chunk += c.chunk) {
        const std::size_t chunk_end = std::min(count, chunk + c.chunk);
        for (std::size_t start = chunk; start < chunk_end;) {
            const std::size_t end = std::min(chunk_end, (start / block_frames + 1) * block_frames);
            const auto n = static_cast<unsigned int>(end - start);
            apply(path, settings_at(c, start));
            load_blocks(path, &frames[start], n);
            path.process(&left[start], &right[start], &out_left[start], &out_right[start], n);
            start = end;
        }
    }

    double wet_energy = 0.0;
    for (std::size_t t = 0; t < count; ++t) {
        ASSERT_EQ(out_left[t], expected_left[t]) << "frame " << t;
        ASSERT_EQ(out_right[t], expected_right[t]) << "frame " << t;
        const float dry_left = left[t] * frames[t].dry * frames[t].global_gain;
        wet_energy += double(out_left[t] - dry_left) * double(out_left[t] - dry_left);
    }
    // Not a comparison of two silences: the voices contribute.
    EXPECT_GT(wet_energy / double(count), 1e-3);
}

std::vector<Case> all_cases() {
    std::vector<Case> cases;
    for (const bool eight_buffers : {false, true})
        for (const bool cubic : {false, true})
            for (const unsigned int chunk : {1u, 5u, 16u, 30u, 64u})
                for (const int setup : {0, 1, 2})
                    cases.push_back({eight_buffers, cubic, chunk, setup});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(SignalPath, AgainstReference, ::testing::ValuesIn(all_cases()), case_name);
