// Modulators routed to parameters: what reaches the target's lanes, the chain of several entries,
// the order rule, limits, removal, restarts and the host's view of assigned slots.

#include "ModulationTestDevice.h"

#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/CombinatorModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationExceptions.h"
#include "tonekit/Modulation/ModulationPath.h"
#include "tonekit/Modulation/ModulationRoute.h"
#include "tonekit/Modulation/TestModulator.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/Parameter_String.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Tonekit;
using TonekitTest::failure_of;
using TonekitTest::ModulationTestDevice;

namespace {

class Routing : public ::testing::Test {
protected:
    void SetUp() override { device.initialize(); }

    XyModulator* add_xy(ProcessingStage a_stage = ProcessingStage_PRE_NOTE,
                        unsigned a_position = ~0u) {
        return static_cast<XyModulator*>(
            device.modulation().add_modulator(XyModulator::type_code, a_stage, a_position));
    }
    ModulatorEntry* route(Modulator* a_modulator, Parameter* a_target, std::uint32_t a_location = 1,
                          float a_range = 0.5f) {
        return TonekitTest::route(device.modulation(), a_modulator, a_target, a_location, a_range);
    }
    static Modulatee* target_of(ModulatorEntry* a_entry) { return a_entry->get_chosen_target(); }

    TonekitTest::TemporaryFolder folder;
    ModulationTestDevice device{folder.path()};
};

} // namespace

TEST_F(Routing, AnXyEntryPlacesItsSignalOnTheTargetsLanes) {
    XyModulator* xy = add_xy();
    route(xy, device.m_depth, 1, 0.5f); // Above: P + G S K
    xy->get_x()->set_normalized_value(0.75f);
    device.settle();
    EXPECT_TRUE(device.m_depth->m_smoothing_normalized);
    device.run();
    for (float lane : device.m_depth_lanes)
        EXPECT_FLOAT_EQ(lane, 0.25f + 0.5f * 0.75f);
    EXPECT_EQ(device.m_depth->get_value(), 0.25f) << "the stored value is left alone";

    // Linear mapping: "Time" 10 ms of 0..50 is 0.2; Below with range 1 and Y = 0.25 gives
    // 0.2 - 1 x (1 - 0.25) < 0, clamped to the bottom: 0 frames.
    ModulatorEntry* below = route(xy, device.m_time, 9, 1.0f);
    TonekitTest::choose(below, XyModulatorEntry::id_axis, 2);
    xy->get_y()->set_normalized_value(0.25f);
    device.settle();
    device.run();
    EXPECT_FLOAT_EQ(device.m_time_lanes[7], 0.0f);
    xy->get_y()->set_normalized_value(1.0f); // downward form 0: the value itself
    device.settle();
    device.run();
    EXPECT_NEAR(device.m_time_lanes[7], 10.0f * device.get_sample_rate() / 1000.0f, 1e-3f);
}

TEST_F(Routing, EntriesOfSeveralModulatorsChainInProcessingOrder) {
    XyModulator* second = add_xy(ProcessingStage_POST_NOTE);
    XyModulator* first = add_xy(ProcessingStage_PRE_NOTE);
    route(second, device.m_depth, 6, 1.0f); // Around (clip): min(max(P + G S (x - 0.5), 0), 1)
    route(first, device.m_depth, 1, 0.5f);  // Above, runs first
    first->get_x()->set_normalized_value(0.5f);
    second->get_x()->set_normalized_value(1.0f);
    device.settle();
    device.run();
    const float after_first = 0.25f + 0.5f * 0.5f;
    EXPECT_FLOAT_EQ(device.m_depth_lanes[0], std::min(after_first + 0.5f, 1.0f));
    const ModulationRoute* chain = device.modulation().find_route(device.m_depth);
    ASSERT_NE(chain, nullptr);
    ASSERT_EQ(chain->m_entries.size(), 2u);
    EXPECT_EQ(chain->m_entries[0]->m_modulator, first);

    // A disabled entry passes its input on.
    static_cast<P_Boolean*>(first->get_entry(0)->find_parameter(ModulatorEntry::id_enabled))
        ->set_value(false);
    device.settle();
    device.run();
    EXPECT_FLOAT_EQ(device.m_depth_lanes[0], 0.25f + 0.5f);
}

TEST_F(Routing, AMoveRemovesEntriesThatWouldRunBeforeTheirTarget) {
    XyModulator* m1 = add_xy();
    XyModulator* m2 = add_xy();
    XyModulator* m3 = add_xy();
    ModulatorEntry* kept = route(m1, device.m_depth);
    route(m2, m3->get_x()); // valid: modulator 3 runs later
    route(m1, m2->find_parameter(ModifyingModulator::id_amount));
    ASSERT_EQ(m2->get_entry_count(), 1u);

    // Modulator 3 moves before modulator 2: the entry of 2 aimed at 3 breaks the order.
    device.modulation().move_modulator(m3, ProcessingStage_PRE_NOTE, 1);
    EXPECT_EQ(m3->m_global_index, 1u);
    EXPECT_EQ(m2->get_entry_count(), 0u);
    EXPECT_EQ(m1->get_entry_count(), 2u) << "entries aimed at later modulators stay";
    EXPECT_EQ(target_of(m1->get_entry(0)), target_of(kept));

    // In-note modulators may aim only at in-note modulators' parameters.
    ModulatorEntry* in_note = route(m3, m2->get_x());
    EXPECT_NE(in_note, nullptr);
    device.modulation().move_modulator(m3, ProcessingStage_IN_NOTE, 0);
    EXPECT_EQ(m3->get_entry_count(), 0u);
    EXPECT_EQ(m3->get_lane_count(), 16u);
}

TEST_F(Routing, RemovingAModulatorTakesTheEntriesAimedAtItAndItsSlots) {
    XyModulator* first = add_xy();
    XyModulator* second = add_xy();
    ModulatorEntry* to_range = route(second, device.m_depth);
    route(first, to_range->find_parameter(ModifyingModulatorEntry::id_range));
    route(first, second->get_x());
    route(first, device.m_time);
    DeviceProgram& program = *device.get_program();
    Parameter* slot = program.host_parameter(1);
    program.assign(1, second->get_y());
    ASSERT_EQ(program.host_parameter(1), second->get_y());

    device.modulation().remove_modulator(second);
    EXPECT_EQ(device.modulation().get_modulator_count(), 1u);
    ASSERT_EQ(first->get_entry_count(), 1u);
    EXPECT_EQ(target_of(first->get_entry(0)), device.m_time->get_modulatee());
    EXPECT_EQ(program.host_parameter(1), slot);
    EXPECT_FALSE(device.m_depth->m_smoothing_normalized);
    for (Parameter* parameter : device.get_all_parameters())
        EXPECT_EQ(ModulationManager::owning_modulator(*parameter) == second, false);
    device.run(); // nothing left points at the removed modulator
}

TEST_F(Routing, AnAssignedModulatorParameterIsWhatTheHostAutomates) {
    XyModulator* xy = add_xy();
    route(xy, device.m_depth, 1, 1.0f);
    DeviceProgram& program = *device.get_program();
    program.assign(0, xy->get_x());
    Parameter* automated = program.host_parameter(0);
    ASSERT_EQ(automated, xy->get_x());
    automated->set_normalized_value_from_host(0.5f);
    // The host's change goes through the pending list and a smoother; let it arrive.
    for (int block = 0; block < 400; ++block)
        device.run();
    EXPECT_FLOAT_EQ(xy->get_x()->get_value(), 0.5f);
    EXPECT_FLOAT_EQ(device.m_depth_lanes[0], 0.25f + 0.5f);
}
