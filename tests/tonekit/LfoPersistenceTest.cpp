// The LFO in presets: everything it and its entries hold survives save and load (phase groups
// included), and the first layout's frequency base turns into the cycle it stood for.

#include "LfoTestDevice.h"

#include "orvo/Binis/BiniNode.h"
#include "tonekit/Modulation/ModifyingModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"

#include <gtest/gtest.h>

#include <map>
#include <type_traits>

using namespace Tonekit;
using TonekitTest::aim;
using TonekitTest::choose;

namespace {

class LfoPresets : public ::testing::Test {
protected:
    void SetUp() override { device.initialize(); }

    static void set_typed(Parameter* a_parameter, float a_value) {
        auto* number = static_cast<FloatParameter*>(a_parameter);
        number->set_normalized_value(number->normalize_number(a_value));
    }
    // Each parameter's value text and normalized value.
    static std::map<std::uint32_t, std::pair<Orvo::WString, float>>
    texts_of(ParameterCollection& a_parameters) {
        std::map<std::uint32_t, std::pair<Orvo::WString, float>> texts;
        for (Parameter* parameter : a_parameters.get_parameters()) {
            Orvo::WString text;
            parameter->get_value_text(text);
            texts[parameter->m_id] = {text, parameter->get_normalized_value()};
        }
        return texts;
    }
    // A modulation node with one LFO of the first layout, its frequency base a_base (in the
    // parameter list, child 1 of "Para", like every stored parameter).
    static void first_layout(Orvo::BiniNode& a_node, std::uint32_t a_base) {
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

    TonekitTest::TemporaryFolder folder;
    TonekitTest::LfoTestDevice device{folder.path()};
};

TEST_F(LfoPresets, TheFirstLayoutsFrequencyBaseBecomesACycleInSeconds) {
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
