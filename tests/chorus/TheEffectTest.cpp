// The chorus as a device: its parameter set, where every default lands, and how a change reaches
// the audio.

#include "chorus/TheEffect.h"
#include "../tonekit/TestDevice.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/Host.h"
#include "tonekit/ParameterTypes/FloatParameter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tolvanchorus::SignalPath;
using tolvanchorus::TheEffect;

namespace {

std::string id_text(std::uint32_t a_id) {
    return Orvo::to_utf8(Orvo::four_cc_text(a_id).view());
}

class Chorus : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
        effect.initialize();
        effect.setSampleRate(44100.0f);
    }
    Tonekit::Parameter* parameter(const char (&a_id)[5]) {
        return effect.get_program()->get_collection().find(Orvo::four_cc(a_id));
    }
    void run_block() {
        float left[16] = {}, right[16] = {};
        float* channels[2] = {left, right};
        Tonekit::ProcessRequest request;
        request.m_inputs = channels, request.m_outputs = channels, request.m_frames = 16;
        effect.process(request);
    }
    TonekitTest::TemporaryFolder folder;
    TheEffect effect;
};

} // namespace

TEST_F(Chorus, OnlyTheSlotsReachTheHostAndPitchModulationIsNeverStored) {
    Tonekit::DeviceProgram& program = *effect.get_program();
    ASSERT_EQ(program.host_count(), 16u); // their texts: the plug-in ABI test
    for (Tonekit::Parameter* p : program.get_collection().get_parameters()) {
        const std::string id = id_text(p->get_id());
        if (id.starts_with("As"))
            continue;
        EXPECT_FALSE(p->m_automatable) << id;
        EXPECT_EQ(p->m_persistent, !id.starts_with("PiM")) << id;
    }
}

TEST_F(Chorus, ARateTheSignalPathRefusesKeepsTheOldRateEverywhere) {
    effect.setSampleRate(48000.0f);
    const auto* delay = static_cast<Tonekit::FloatParameter*>(parameter("Del3"));
    const float frames = delay->get_internal_value();
    EXPECT_THROW(effect.setSampleRate(2.0e6f), Orvo::Exception);
    EXPECT_EQ(effect.get_sample_rate(), 48000.0f);
    EXPECT_EQ(delay->get_internal_value(), frames);
    EXPECT_EQ(effect.get_signal_path().voice(2).delay_block()[5], 720.0f);
    // Asking again is a real change again, not "the same rate twice".
    EXPECT_THROW(effect.setSampleRate(2.0e6f), Orvo::Exception);
    effect.setSampleRate(96000.0f);
    EXPECT_EQ(effect.get_signal_path().voice(2).delay_block()[5], 1440.0f);
}

TEST_F(Chorus, EditorChangesReachTheSignalPathAtTheNextBlockWithoutTellingTheHost) {
    struct RecordingHost : Tonekit::Host {
        void begin_edit(int) override { ++m_calls; }
        void end_edit(int) override { ++m_calls; }
        bool get_song_position(double&) override { return false; }
        void automate(int, float) override { ++m_calls; }
        int m_calls = 0;
    } host;
    effect.set_host(&host);
    for (unsigned i = 0; i < 16; ++i)
        effect.get_program()->host_parameter(i)->m_host_notifier = &host;

    Tonekit::Parameter* solo = parameter("Sol5");
    Tonekit::Parameter* mode = parameter("PrMo");
    solo->set_normalized_value(1.0f);
    mode->set_normalized_value(0.0f);
    // Each voice's output law is its own choice, not its input law's.
    parameter("OPL5")->set_normalized_value(0.0f);
    parameter("IPL5")->set_normalized_value(1.0f);
    EXPECT_TRUE(effect.get_signal_path().voice(0).effective_enabled()) << "not before the block";
    run_block();
    const SignalPath& path = effect.get_signal_path();
    for (unsigned v = 0; v < 8; ++v)
        EXPECT_EQ(path.voice(v).effective_enabled(), v == 4) << v;
    EXPECT_EQ(path.processing_function(), SignalPath::processing_functions()[0]);
    EXPECT_EQ(path.voice(4).output_panning_law(), SignalPath::panning_law_kernels()[0]);
    EXPECT_EQ(path.voice(4).input_panning_law(), SignalPath::panning_law_kernels()[3]);
    EXPECT_EQ(host.m_calls, 0);
}
