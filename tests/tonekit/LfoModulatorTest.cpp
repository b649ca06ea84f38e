// The LFO through the device: cycle lengths in seconds and at the host's tempo, waveforms, phase
// groups, song position, the restart rules, long-run phase accuracy, and the first stored layout's
// frequency base. The test device runs at 1000 Hz unless a test says otherwise, so frame n is n
// milliseconds.

#include "LfoTestDevice.h"

#include "orvo/Binis/BiniNode.h"
#include "tonekit/Devices/MusicalPredefinedTrigger.h"
#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Modulation/ModifyingModulator.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_ReceivedMusicalTrigger.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Tonekit;
using TonekitTest::aim;
using TonekitTest::choose;

namespace {

// Option identifiers of the LFO's choices.
enum : std::uint32_t { pulse = 1, saw = 2, sine_hp = 3, sine_lp = 4, square = 5, triangle = 6 };
enum : std::uint32_t { seconds = 1, tempo = 2, song_position = 3 };
enum : std::uint32_t { smoothing_off = 1, smoothing_if_necessary = 2, smoothing_on = 3 };

float sine_lp_of(double a_q) {
    const double x = 2.0 * a_q - 1.0;
    return float(0.5 + 2.0 * x * (std::fabs(x) - 1.0));
}

// A modulation node with one LFO of the first layout, its frequency base a_base (in the
// parameter list, child 1 of "Para", like every stored parameter).
void first_layout(Orvo::BiniNode& a_node, std::uint32_t a_base) {
    Orvo::BiniNode* lfo = a_node.add_child(Orvo::four_cc("Modu"))->add_child(1);
    lfo->add_child(Orvo::four_cc("PrSt"))->set_value_uint32(1);
    lfo->add_child(Orvo::four_cc("Type"))->set_value_uint32(2);
    Orvo::BiniNode* older = lfo->add_child(Orvo::four_cc("Para"))->add_child(1);
    older->add_child(Orvo::four_cc("FrBa"))
        ->add_child(Orvo::four_cc("Valu"))
        ->set_value_uint32(a_base);
    lfo->add_child(Orvo::four_cc("Entr"));
    a_node.add_child(Orvo::four_cc("Assi"));
}

class Lfo : public ::testing::Test {
protected:
    void SetUp() override { device.initialize(); }

    // An LFO whose raw signal reaches "Dept" unchanged.
    LfoModulator* plain_lfo(std::uint32_t a_waveform, std::uint32_t a_smoothing = smoothing_off) {
        LfoModulator* lfo = device.add_lfo();
        aim(device.modulation(), lfo, device.m_depth);
        choose(lfo, LfoModulator::id_waveform, a_waveform);
        choose(lfo, ModifyingModulator::id_smoothing, a_smoothing);
        device.settle();
        return lfo;
    }
    static void cycle(LfoModulator* a_lfo, int a_whole, int a_numerator, int a_denominator,
                      std::uint32_t a_type = seconds, std::uint32_t a_modifier = 1) {
        a_lfo->get_whole()->set_value(a_whole);
        a_lfo->get_numerator()->set_value(a_numerator);
        a_lfo->get_denominator()->set_value(a_denominator);
        a_lfo->get_modifier()->set_option(a_modifier);
        a_lfo->get_synchronization_type()->set_option(a_type);
    }
    static void set_typed(FloatParameter* a_parameter, float a_value) {
        a_parameter->set_normalized_value(a_parameter->normalize_number(a_value));
    }

    TonekitTest::TemporaryFolder folder;
    TonekitTest::LfoTestDevice device{folder.path()};
};

TEST_F(Lfo, WaveformsFollowTheirFormulasAndPulseWidthReachesBothEnds) {
    LfoModulator* lfo = plain_lfo(pulse);
    set_typed(lfo->get_pwm(), 0.0f);
    device.settle();
    device.render(1000);
    for (float value : device.m_depth_frames)
        ASSERT_EQ(value, 0.0f);
    set_typed(lfo->get_pwm(), 1.0f);
    device.settle();
    device.clear_frames();
    device.render(1000);
    for (float value : device.m_depth_frames)
        ASSERT_EQ(value, 1.0f);

    // One cycle per second, so frame n is at q = n / 1000.
    const struct {
        std::uint32_t m_waveform;
        float (*m_formula)(double q);
    } shapes[] = {
        {square, [](double q) { return q < 0.5 ? 1.0f : 0.0f; }},
        {triangle, [](double q) { return float(std::fabs(std::fabs(2 * q - 0.5) - 1)); }},
        {sine_lp, [](double q) { return sine_lp_of(q); }},
        {sine_hp,
         [](double q) {
             const double x = 2 * q - 1;
             const double y = -4 * x * (std::fabs(x) - 1);
             return float(0.5 - 0.5 * (y + 0.2248391 * (y * std::fabs(y) - y)));
         }},
    };
    for (const auto& shape : shapes) {
        choose(lfo, LfoModulator::id_waveform, shape.m_waveform);
        device.settle();
        device.modulation().request_restart();
        device.clear_frames();
        device.render(1000);
        for (unsigned n = 1; n < 1000; n += 7) {
            if (shape.m_waveform == square && n == 500)
                continue;
            ASSERT_NEAR(device.m_depth_frames[n], shape.m_formula(n / 1000.0), 2e-5f)
                << "waveform " << shape.m_waveform << " frame " << n;
        }
    }
    EXPECT_NEAR(device.m_depth_frames[750], 0.0f, 1e-6f) << "sine (hp) is 0 at 0.75";
}

TEST_F(Lfo, DiscontinuousWaveformsAreSlewLimitedWhenSmoothingIsIfNecessary) {
    LfoModulator* lfo = plain_lfo(square, smoothing_if_necessary);
    EXPECT_TRUE(lfo->m_discontinuous);
    device.render(1000);
    // At 1000 Hz the default 5 ms moves the whole span in 5 samples: the fall at q = 0.5 takes 5.
    EXPECT_FLOAT_EQ(device.m_depth_frames[499], 1.0f);
    EXPECT_NEAR(device.m_depth_frames[500], 0.8f, 1e-5f);
    EXPECT_NEAR(device.m_depth_frames[502], 0.4f, 1e-5f);
    EXPECT_FLOAT_EQ(device.m_depth_frames[505], 0.0f);

    choose(lfo, LfoModulator::id_waveform, sine_lp);
    device.settle();
    EXPECT_FALSE(lfo->m_discontinuous);
}

TEST_F(Lfo, AGroupOffsetOfOneHalfShiftsTheSineByHalfACycle) {
    LfoModulator* lfo = plain_lfo(sine_lp);
    auto* second = static_cast<LfoModulatorEntry*>(aim(device.modulation(), lfo, device.m_width));
    EXPECT_EQ(lfo->get_phase_group_count(), 1u);
    static_cast<P_Boolean*>(second->find_parameter(3))->set_value(true);
    set_typed(second->get_phase(), 0.5f);
    device.settle();
    EXPECT_EQ(lfo->get_phase_group_count(), 2u);
    EXPECT_EQ(second->m_record, 1u);

    // A third entry without a group of its own reads the second group's signal.
    auto* third = static_cast<LfoModulatorEntry*>(aim(device.modulation(), lfo, device.m_time));
    EXPECT_EQ(lfo->get_phase_group_count(), 2u);
    EXPECT_EQ(third->m_record, 1u);

    device.render(1000);
    for (unsigned n = 0; n < 1000; n += 13) {
        EXPECT_NEAR(device.m_depth_frames[n], sine_lp_of(n / 1000.0), 1e-5f) << n;
        EXPECT_NEAR(device.m_width_frames[n], 1.0f - device.m_depth_frames[n], 1e-5f) << n;
    }

    // Closing the group again puts both followers back on group 0.
    static_cast<P_Boolean*>(second->find_parameter(3))->set_value(false);
    EXPECT_EQ(lfo->get_phase_group_count(), 1u);
    EXPECT_EQ(second->m_record, 0u);
    EXPECT_EQ(third->m_record, 0u);
}

TEST_F(Lfo, FollowsTheSongPositionAndFadesWhenItJumps) {
    LfoModulator* lfo = plain_lfo(sine_lp, smoothing_if_necessary);
    cycle(lfo, 0, 1, 4, song_position); // one cycle per quarter note; at 60 BPM 1000 frames
    device.settle();
    device.m_host.m_playing = true;
    for (int i = 0; i < 5; ++i) {
        device.m_host.m_position = 0.1 * i;
        device.render(100, 100, 60.0);
    }
    EXPECT_NEAR(lfo->get_lane_phase(0), 0.5, 1e-9);
    for (unsigned n = 0; n < 500; n += 11)
        EXPECT_NEAR(device.m_depth_frames[n], sine_lp_of(n / 1000.0), 1e-5f) << "no fade";

    // The host loops back: the phase follows at once, the output fades over 5 samples.
    const float held = device.m_depth_frames.back();
    device.clear_frames();
    device.m_host.m_position = 2.25;
    device.render(100, 100, 60.0);
    EXPECT_NEAR(lfo->get_lane_phase(0), 0.35, 1e-9);
    EXPECT_FLOAT_EQ(device.m_depth_frames[0], held);
    const float raw2 = sine_lp_of(0.252);
    EXPECT_NEAR(device.m_depth_frames[2], 0.4f * raw2 + 0.6f * held, 1e-5f);
    for (unsigned n = 5; n < 100; ++n)
        ASSERT_NEAR(device.m_depth_frames[n], sine_lp_of(0.25 + n / 1000.0), 1e-5f) << n;

    // A stopped transport reports nothing: the LFO runs on by itself.
    device.m_host.m_playing = false;
    device.m_host.m_position = 0.0;
    device.render(100, 100, 60.0);
    EXPECT_NEAR(lfo->get_lane_phase(0), 0.45, 1e-9);
}

TEST_F(Lfo, SongPositionAcrossTheWrapIsNoJump) {
    LfoModulator* lfo = plain_lfo(sine_lp, smoothing_if_necessary);
    cycle(lfo, 0, 1, 4, song_position);
    device.settle();
    device.m_host.m_playing = true;
    device.m_host.m_position = 0.9;
    device.render(100, 100, 60.0); // from 0.9 round to 0
    const double phase = lfo->get_lane_phase(0);
    ASSERT_LT(std::min(phase, 1.0 - phase), 1e-9);
    // The host, a little late, says 0.995.
    device.m_host.m_position = 0.995;
    device.clear_frames();
    device.render(16, 16, 60.0);
    EXPECT_NEAR(device.m_depth_frames[1], sine_lp_of(0.996), 1e-5f) << "followed without a fade";
}

// Definition 1 takes any key on any channel; the others keep their single keys (13 to 19).
TEST_F(Lfo, ANoteRestartsTheLfosWhoseRetriggerKeyItMatchesWithinItsHostBlock) {
    const int keys[] = {P_RetriggerReason::any, 0, 1, P_RetriggerReason::none};
    LfoModulator* lfos[4];
    for (unsigned i = 0; i < 4; ++i) {
        lfos[i] = plain_lfo(saw);
        lfos[i]->get_retrigger_key_parameter()->set_value(keys[i]);
    }
    device.settle();
    // After the settle, which commits the settings' own definitions too.
    device.m_retrigger_channels[0] = -1;
    device.m_retrigger_keys[0] = -1;
    device.render(300, 100);
    device.send_note_on(3, 60);
    device.block(64);
    const double restarted = 0.064;
    const double running = 0.364;
    EXPECT_NEAR(lfos[0]->get_lane_phase(0), restarted, 1e-12) << "Any";
    EXPECT_NEAR(lfos[1]->get_lane_phase(0), restarted, 1e-12) << "definition 1";
    EXPECT_NEAR(lfos[2]->get_lane_phase(0), running, 1e-12) << "definition 2 wants key 13";
    EXPECT_NEAR(lfos[3]->get_lane_phase(0), running, 1e-12) << "None";

    // Key 13 matches definitions 1 and 2; "None" still stays out.
    device.send_note_on(0, 13);
    device.block(16);
    EXPECT_NEAR(lfos[2]->get_lane_phase(0), 0.016, 1e-12);
    EXPECT_NEAR(lfos[3]->get_lane_phase(0), 0.380, 1e-12);
}

// 256 whole notes slowed 32 times at 120 BPM: an increment of 1.9e-9 per sample, far below what
// a float phase near 0.05 could still add. An hour at 8 kHz must land where the sample count says.
TEST_F(Lfo, AnHourOfTheSlowestCycleStaysLockedToTheSampleCount) {
    device.setSampleRate(8000.0f);
    LfoModulator* lfo = plain_lfo(saw);
    cycle(lfo, 255, 1, 1, tempo);
    lfo->get_frequency_factor()->set_normalized_value(0.0f);
    device.settle();
    ASSERT_FLOAT_EQ(lfo->get_frequency_factor()->get_value(), 0.03125f);
    const unsigned hour = 8000u * 3600u;
    for (unsigned done = 0; done < hour; done += 8000)
        device.block(8000, 120.0);
    const double increment = 120.0 / (256.0 * 4.0 * 60.0 * 8000.0) / 32.0;
    const double expected = double(hour) * increment;
    EXPECT_NEAR(lfo->get_lane_phase(0), expected, 1e-9);
    EXPECT_GT(expected, 0.05);
    EXPECT_NEAR(device.m_depth_lanes[15], float(expected - increment), 1e-7f);
}

TEST_F(Lfo, TheFirstLayoutsFrequencyBaseBecomesACycleInSeconds) {
    const struct {
        std::uint32_t m_base;
        int m_numerator, m_denominator;
    } cases[] = {{1, 1, 10}, {2, 1, 1}, {3, 10, 1}};
    for (const auto& c : cases) {
        Orvo::BiniNode stored;
        first_layout(stored, c.m_base);
        device.modulation().clear();
        device.modulation().load(stored);
        auto* lfo = static_cast<LfoModulator*>(device.modulation().get_modulator(0));
        EXPECT_EQ(lfo->get_whole()->get_value(), 0);
        EXPECT_EQ(lfo->get_numerator()->get_value(), c.m_numerator) << c.m_base;
        EXPECT_EQ(lfo->get_denominator()->get_value(), c.m_denominator) << c.m_base;
        EXPECT_EQ(lfo->get_modifier()->get_current_id(), 1u);
        EXPECT_EQ(lfo->get_synchronization_type()->get_current_id(), 1u);
    }

    // Base 3 runs a 10-second cycle.
    auto* lfo = static_cast<LfoModulator*>(device.modulation().get_modulator(0));
    EXPECT_DOUBLE_EQ(lfo->get_synchronization().get_cycle_length(), 10.0);
    aim(device.modulation(), lfo, device.m_depth);
    choose(lfo, LfoModulator::id_waveform, 2);
    choose(lfo, ModifyingModulator::id_smoothing, 1);
    device.settle();
    device.render(10001);
    EXPECT_NEAR(device.m_depth_frames[5000], 0.5f, 1e-5f);
    EXPECT_NEAR(device.m_depth_frames[9999], 0.9999f, 1e-5f);
    EXPECT_NEAR(device.m_depth_frames[10000], 0.0f, 1e-5f);
}

} // namespace
