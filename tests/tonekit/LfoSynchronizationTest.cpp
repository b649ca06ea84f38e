// Cycle lengths and phase increments of the LFO's synchronization, and its option tables.

#include "TestDevice.h"

#include "tonekit/Modulation/LfoSynchronizationLogic.h"
#include "tonekit/ParameterTypes/P_Integer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace TonekitTest;
using Tonekit::LfoSynchronizationLogic;

namespace {

class LfoSynchronizationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device = std::make_unique<RecordingDevice>(m_folder.path());
        m_device->initialize();
        m_device->setSampleRate(48000.0f);
        m_logic.set_output(m_increments, 16);
    }
    void set_tempo(double a_tempo) {
        float silence[16] = {};
        const float* inputs[2] = {silence, silence};
        float* outputs[2] = {silence, silence};
        Tonekit::ProcessRequest request;
        request.m_inputs = inputs, request.m_outputs = outputs;
        request.m_tempo = a_tempo, request.m_tempo_valid = true;
        m_device->process(request);
    }
    double seconds_per_cycle() const { return 1.0 / (m_logic.get_base_increment() * 48000.0); }

    TemporaryFolder m_folder;
    std::unique_ptr<RecordingDevice> m_device;
    LfoSynchronizationLogic m_logic{nullptr};
    double m_increments[16] = {};
};

} // namespace

TEST_F(LfoSynchronizationTest, SecondsCountTheWholeAndTheFraction) {
    m_logic = LfoSynchronizationLogic(m_device.get());
    m_logic.set_output(m_increments, 16);
    m_logic.m_whole = 1;
    m_logic.recompute();
    EXPECT_DOUBLE_EQ(m_logic.get_cycle_length(), 2.0);
    EXPECT_DOUBLE_EQ(seconds_per_cycle(), 2.0);
    for (double increment : m_increments)
        EXPECT_EQ(increment, m_logic.get_base_increment());
    set_tempo(60.0);
    m_logic.recompute();
    EXPECT_DOUBLE_EQ(seconds_per_cycle(), 2.0) << "seconds ignore the tempo";
}

TEST_F(LfoSynchronizationTest, TempoCountsWholeNotesAndFollowsTempoChanges) {
    m_logic = LfoSynchronizationLogic(m_device.get());
    m_logic.set_output(m_increments, 1);
    m_logic.m_type = Tonekit::LfoSynchronizationType_TEMPO;
    m_logic.m_whole = 0;
    m_logic.m_numerator = 1;
    m_logic.m_denominator = 4;
    m_logic.m_modifier = Tonekit::LfoSynchronizationModifier_DOT;
    set_tempo(120.0);
    m_logic.recompute();
    EXPECT_DOUBLE_EQ(m_logic.get_cycle_length(), 0.375);
    EXPECT_NEAR(seconds_per_cycle(), 0.75, 1e-12);
    EXPECT_EQ(m_increments[0], m_logic.get_base_increment());

    set_tempo(90.0);
    m_logic.recompute();
    EXPECT_NEAR(seconds_per_cycle(), 1.0, 1e-12);
    m_logic.m_modifier = Tonekit::LfoSynchronizationModifier_TRIPLET;
    m_logic.recompute();
    EXPECT_NEAR(seconds_per_cycle(), 4.0 / 9.0, 1e-12) << "a quarter triplet at 90 BPM";
}

TEST_F(LfoSynchronizationTest, CycleParametersRecomputeThroughTheirSharedCallback) {
    m_logic = LfoSynchronizationLogic(m_device.get());
    m_logic.set_output(m_increments, 1);
    Tonekit::P_Integer whole(0, 256, 0);
    whole.set_target(&m_logic.m_whole);
    whole.set_device(m_device.get());
    whole.m_deferred_commit = false;
    whole.do_initialize();
    whole.reset();
    whole.set_committable_callback(m_logic.create_committable_callback());
    whole.set_value(3); // 3 + 1/1 seconds
    EXPECT_NEAR(seconds_per_cycle(), 4.0, 1e-12);
    whole.destroy();
}

TEST_F(LfoSynchronizationTest, ANonPositiveTempoHoldsTheLfo) {
    m_logic = LfoSynchronizationLogic(m_device.get());
    m_logic.set_output(m_increments, 1);
    m_logic.m_type = Tonekit::LfoSynchronizationType_SONG_POSITION;
    set_tempo(0.0);
    m_logic.recompute();
    EXPECT_EQ(m_logic.get_base_increment(), 0.0);
    EXPECT_EQ(m_increments[0], 0.0);
}

TEST(LfoSynchronization, LongCyclesStayExactInDouble) {
    // 256 + 255/256 whole notes, three dots, at 20 BPM and 768 kHz: one sample's increment must
    // still add up to the cycle.
    const double cycle = (256.0 + 255.0 / 256.0) * 15.0 / 8.0;
    const double samples = cycle * 4.0 * 60.0 * 768000.0 / 20.0;
    const double increment = 1.0 / samples;
    EXPECT_NEAR(increment * samples, 1.0, 1e-15);
    EXPECT_NE(float(increment) * float(samples), 1.0f) << "why the increments are doubles";
}

TEST(LfoSynchronization, SongPositionPhaseWrapsIntoZeroToOne) {
    // A cycle of one whole note: a quarter is a quarter of a cycle.
    EXPECT_DOUBLE_EQ(Tonekit::lfo_song_position_phase(1.0, 1.0, 1.0), 0.25);
    EXPECT_DOUBLE_EQ(Tonekit::lfo_song_position_phase(9.0, 1.0, 1.0), 0.25);
    EXPECT_DOUBLE_EQ(Tonekit::lfo_song_position_phase(1.0, 2.0, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(Tonekit::lfo_song_position_phase(-1.0, 1.0, 1.0), 0.75) << "pre-roll";
    const double tiny = Tonekit::lfo_song_position_phase(-1e-300, 1.0, 1.0);
    EXPECT_TRUE(tiny >= 0.0 && tiny < 1.0);
    EXPECT_EQ(Tonekit::lfo_song_position_phase(1.0, 1.0, 0.0), 0.0);
}
