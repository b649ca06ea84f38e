// An XY modulator routed to voice 1's delay: the chorus must sound as the frame-by-frame model
// does with the delay worked out by hand from the pad's position, the entry's range and the
// delay's own value.

#include "../tonekit/TestDevice.h"
#include "ReferenceChorus.h"
#include "chorus/TheEffect.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/FloatParameter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace Tonekit;
using tolvanchorus::reference::Frame;
using tolvanchorus::reference::ReferenceChorus;
using tolvanchorus::reference::Settings;

namespace {

constexpr float rate = 44100.0f;

// The chorus's defaults as the model reads them, delays and depths in frames.
Frame default_frame() {
    Frame frame;
    for (int j = 0; j < 8; ++j) {
        Frame::Voice& voice = frame.voices[j];
        voice.delay = 15.0f * rate / 1000.0f;
        voice.depth = 5.0f * rate / 1000.0f;
        voice.input_pan = voice.output_pan = j == 0 ? -1.0f : j == 1 ? 1.0f : 0.0f;
    }
    return frame;
}

std::vector<float> render_model(const Frame& a_frame, const std::vector<float>& a_left,
                                const std::vector<float>& a_right) {
    Settings settings;
    settings.voices[0].enabled = settings.voices[1].enabled = true;
    ReferenceChorus model(rate);
    std::vector<float> out;
    for (std::size_t t = 0; t < a_left.size(); ++t) {
        const auto [l, r] = model.process(settings, a_frame, a_left[t], a_right[t]);
        out.push_back(l);
        out.push_back(r);
    }
    return out;
}

} // namespace

TEST(ModulationEndToEnd, AnXyPadMovesAVoicesDelayAsComputedByHand) {
    TonekitTest::TemporaryFolder folder;
    setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
    tolvanchorus::TheEffect effect;
    effect.initialize();
    effect.setSampleRate(rate);

    auto* delay = dynamic_cast<FloatParameter*>(
        effect.get_program()->get_collection().find(Orvo::four_cc("Del1")));
    ASSERT_NE(delay, nullptr);
    ModulationManager& modulation = *effect.get_modulation_manager();
    auto* pad = static_cast<XyModulator*>(
        modulation.add_modulator(XyModulator::type_code, ProcessingStage_PRE_NOTE, 0));
    ModulatorEntry* entry = modulation.add_entry(pad);
    static_cast<Parameter_Modulatee*>(entry->find_parameter(ModulatorEntry::id_modulatee))
        ->set_value(delay);
    pad->get_x()->set_normalized_value(0.8f);
    {
        std::lock_guard lock(effect.processing_lock());
        effect.commit_all_parameters();
    }

    // Above: P + G S K with P = 15 / 50 (the delay's normalized value), G = 0.5 (the entry's
    // default range), S = 1 (the pad's default amount), K = X; then 0..50 ms in frames.
    const float position = 0.3f + 0.5f * 1.0f * 0.8f;
    Frame modulated = default_frame();
    modulated.voices[0].delay = position * (50.0f * rate / 1000.0f);

    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const std::size_t frames = 6000;
    std::vector<float> left(frames), right(frames);
    for (std::size_t t = 0; t < frames; ++t)
        left[t] = noise(random), right[t] = noise(random);

    std::vector<float> out_left(frames), out_right(frames);
    for (std::size_t start = 0; start < frames; start += 37) {
        const auto n = unsigned(std::min<std::size_t>(37, frames - start));
        const float* inputs[2] = {&left[start], &right[start]};
        float* outputs[2] = {&out_left[start], &out_right[start]};
        ProcessRequest request;
        request.m_inputs = inputs, request.m_outputs = outputs, request.m_frames = n;
        effect.process(request);
    }

    const std::vector<float> expected = render_model(modulated, left, right);
    const std::vector<float> unmodulated = render_model(default_frame(), left, right);
    float worst = 0.0f;
    float distance_to_unmodulated = 0.0f;
    for (std::size_t t = 0; t < frames; ++t) {
        worst = std::max({worst, std::abs(out_left[t] - expected[2 * t]),
                          std::abs(out_right[t] - expected[2 * t + 1])});
        distance_to_unmodulated =
            std::max(distance_to_unmodulated, std::abs(out_left[t] - unmodulated[2 * t]));
    }
    EXPECT_LT(worst, 1e-5f);
    EXPECT_GT(distance_to_unmodulated, 0.1f) << "the modulation is audible";
    EXPECT_EQ(delay->get_value(), 15.0f) << "the stored delay is untouched";
}
