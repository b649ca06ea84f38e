// The modulation inside presets and chunks: what a save writes, that loading it back rebuilds the
// same modulators, entries, targets and slot assignments, and every way stored data is refused.

#include "ModulationTestDevice.h"

#include "tests/orvo/Binis/BiniTestBytes.h"

#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/CombinatorModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationSaver.h"
#include "tonekit/Modulation/TestModulator.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/Parameter_String.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Tonekit;
using TonekitTest::aim;
using TonekitTest::choose;
using TonekitTest::failure_of;
using TonekitTest::ModulationTestDevice;
using TonekitTest::route;

namespace {

using Saver = ModulationSaver;

class Persistence : public ::testing::Test {
protected:
    std::unique_ptr<ModulationTestDevice> fresh() {
        auto device = std::make_unique<ModulationTestDevice>(folder.path());
        device->initialize();
        return device;
    }

    // Post-note XY "Pad" (X 0.3, Y 0.6, smoothing On) with two entries: one to the device's
    // depth (Below (clip bottom), range 0.2, inverted, axis Y) and one to the combinator's X;
    // a pre-note combinator aimed at the time; an in-note test modulator with one entry; the
    // pad's Y on slot 0 and its first entry's range on slot 1.
    void build(ModulationTestDevice& a_device) {
        ModulationManager& m = a_device.modulation();
        auto* combinator = static_cast<CombinatorModulator*>(
            m.add_modulator(CombinatorModulator::type_code, ProcessingStage_POST_NOTE, 0));
        auto* pad = static_cast<XyModulator*>(
            m.add_modulator(XyModulator::type_code, ProcessingStage_POST_NOTE, 0));
        m.add_modulator(TestModulator::type_code, ProcessingStage_IN_NOTE, 0);
        static_cast<Parameter_String*>(pad->find_parameter(Modulator::id_name))->set_value(u"Pad");
        pad->get_x()->set_normalized_value(0.3f);
        pad->get_y()->set_normalized_value(0.6f);
        choose(pad, ModifyingModulator::id_smoothing, 3);

        ModulatorEntry* depth = m.add_entry(pad);
        aim(*depth, a_device.m_depth);
        choose(depth, ModifyingModulatorEntry::id_location, 10);
        choose(depth, XyModulatorEntry::id_axis, 2);
        depth->find_parameter(ModifyingModulatorEntry::id_range)->set_normalized_value(0.2f);
        depth->find_parameter(ModifyingModulatorEntry::id_invert)->set_normalized_value(1.0f);
        route(m, pad, combinator->get_x());
        route(m, combinator, a_device.m_time);
        m.add_entry(m.get_modulator(0));

        a_device.get_program()->assign(0, pad->get_y());
        a_device.get_program()->assign(1, depth->find_parameter(ModifyingModulatorEntry::id_range));
        a_device.settle();
    }
    // The saved chunk with one edit of its modulation node.
    Bytes edited(const std::function<void(Orvo::BiniNode&)>& a_edit) {
        auto device = fresh();
        build(*device);
        Orvo::BiniNode root;
        load_bytes(root, device->save_bytes(), "Test Device/Preset");
        a_edit(*root.get_child(Orvo::four_cc("Modu")));
        return save_bytes(root, "Test Device/Preset");
    }
    static Orvo::BiniNode& child(Orvo::BiniNode& a_node, std::uint32_t a_id) {
        return *a_node.get_child(a_id);
    }
    static Orvo::BiniNode& modulator(Orvo::BiniNode& a_modulation, std::uint32_t a_index) {
        return child(child(a_modulation, Saver::child_modulators), a_index);
    }
    // "Valu" of an entry's modulatee.
    static Orvo::BiniNode& target(Orvo::BiniNode& a_modulation, std::uint32_t a_modulator,
                                  std::uint32_t a_entry) {
        Orvo::BiniNode& entry =
            child(child(modulator(a_modulation, a_modulator), Saver::child_entries), a_entry);
        return child(
            child(child(child(entry, Saver::child_parameters), 1), ModulatorEntry::id_modulatee),
            Parameter::child_value);
    }

    TonekitTest::TemporaryFolder folder;
};

} // namespace

TEST_F(Persistence, AChunkRoundTripsModulatorsEntriesTargetsAndSlots) {
    auto original = fresh();
    build(*original);
    const Bytes saved = original->save_bytes();

    auto loaded = fresh();
    loaded->load_bytes(saved);
    ModulationManager& m = loaded->modulation();
    ASSERT_EQ(m.get_modulator_count(), 3u);
    EXPECT_EQ(m.get_modulator(0)->m_stage, ProcessingStage_IN_NOTE);
    EXPECT_EQ(m.get_modulator(0)->m_type_code, TestModulator::type_code);
    auto* pad = dynamic_cast<XyModulator*>(m.get_modulator(1));
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->m_stage, ProcessingStage_POST_NOTE);
    EXPECT_EQ(pad->get_name(), u"Pad");
    EXPECT_FLOAT_EQ(pad->get_x()->get_value(), 0.3f);
    EXPECT_EQ(pad->get_smoothing(), ModifyingModulator::SmoothingLogic_ON);
    auto* combinator = dynamic_cast<CombinatorModulator*>(m.get_modulator(2));
    ASSERT_NE(combinator, nullptr);

    ASSERT_EQ(pad->get_entry_count(), 2u);
    auto* depth = static_cast<XyModulatorEntry*>(pad->get_entry(0));
    EXPECT_EQ(depth->get_chosen_target(), loaded->m_depth->get_modulatee());
    EXPECT_EQ(depth->get_axis(), XyModulatorAxis_Y);
    EXPECT_EQ(depth->get_location(), ModificationType_BELOW_CLIP_BOTTOM);
    EXPECT_EQ(depth->get_signal_form(), ModulationKernels::SignalForm_UPWARD) << "inverted";
    EXPECT_EQ(pad->get_entry(1)->get_chosen_target(), combinator->get_x()->get_modulatee());
    EXPECT_EQ(combinator->get_entry(0)->get_chosen_target(), loaded->m_time->get_modulatee());
    EXPECT_EQ(m.get_modulator(0)->get_entry_count(), 1u);

    DeviceProgram& program = *loaded->get_program();
    EXPECT_EQ(program.host_parameter(0), pad->get_y());
    EXPECT_EQ(program.host_parameter(1), depth->find_parameter(ModifyingModulatorEntry::id_range));
    EXPECT_TRUE(loaded->m_depth->m_smoothing_normalized) << "the routing was rebuilt";

    EXPECT_EQ(loaded->save_bytes(), saved) << "saving again gives the same chunk";
}

TEST_F(Persistence, TheStoredLayout) {
    auto device = fresh();
    build(*device);
    Orvo::BiniNode node;
    device->modulation().save(node);
    Orvo::BiniNode& pad = modulator(node, 2);
    EXPECT_EQ(child(pad, Saver::child_stage).get_value_uint32(), 2u) << "post-note";
    EXPECT_EQ(child(pad, Saver::child_type).get_value_uint32(), 6u) << "XY is 7, stored minus 1";
    EXPECT_EQ(child(modulator(node, 1), Saver::child_stage).get_value_uint32(), 0u) << "in-note";
    EXPECT_EQ(child(modulator(node, 3), Saver::child_type).get_value_uint32(), 0u);
    Orvo::BiniNode& axis = child(
        child(child(child(child(child(pad, Saver::child_entries), 1), Saver::child_parameters), 1),
              XyModulatorEntry::id_axis),
        Parameter::child_value);
    EXPECT_EQ(axis.get_value_uint32(), 1u) << "Y is option 2, stored minus 1";

    Orvo::BiniNode& to_device = target(node, 2, 1);
    EXPECT_EQ(child(to_device, 1).get_value_uint32(), Orvo::four_cc("Dept"));
    EXPECT_EQ(to_device.find_child(2), nullptr);
    Orvo::BiniNode& to_combinator = target(node, 2, 2);
    EXPECT_EQ(child(to_combinator, 1).get_value_uint32(), CombinatorModulator::id_x);
    EXPECT_EQ(child(to_combinator, 2).get_value_int32(), 2);
    EXPECT_EQ(to_combinator.find_child(3), nullptr);
    EXPECT_EQ(child(target(node, 1, 1), 1).get_value_uint32(), 0u) << "no target";

    Orvo::BiniNode& assignments = child(node, Saver::child_assignments);
    ASSERT_EQ(assignments.get_children().size(), 2u);
    Orvo::BiniNode& range = child(assignments, 2);
    EXPECT_EQ(child(range, Saver::child_slot_index).get_value_uint32(), 1u);
    EXPECT_EQ(child(range, Saver::child_parameter_id).get_value_uint32(),
              ModifyingModulatorEntry::id_range);
    EXPECT_EQ(child(range, Saver::child_modulator_index).get_value_uint32(), 1u);
    EXPECT_EQ(child(range, Saver::child_entry_index).get_value_int32(), 0);
    EXPECT_EQ(child(assignments, 1).find_child(Saver::child_entry_index), nullptr);
}

TEST_F(Persistence, RefusedDataNamesItsReasonAndLeavesTheCleanState) {
    using Edit = std::function<void(Orvo::BiniNode&)>;
    const auto type = [](std::uint32_t a_stored) {
        return Edit([=](Orvo::BiniNode& a) {
            modulator(a, 1).get_child(Saver::child_type)->set_value_uint32(a_stored);
        });
    };
    const auto assignment = [](std::uint32_t a_id, std::uint32_t a_value) {
        return Edit([=](Orvo::BiniNode& a) {
            child(child(a, Saver::child_assignments), 1).get_child(a_id)->set_value_uint32(a_value);
        });
    };
    struct Case {
        const char* m_name;
        Edit m_edit;
        std::u16string m_cause;
    };
    const std::vector<Case> cases{
        {"reserved type 2", type(1), u"Invalid modulator type."},
        {"reserved type 4", type(3), u"Invalid modulator type."},
        {"reserved type 5", type(4), u"Invalid modulator type."},
        {"type past every code", type(0xFFFFFFFFu), u"Invalid modulator type."},
        {"stage 3",
         [](Orvo::BiniNode& a) {
             modulator(a, 1).get_child(Saver::child_stage)->set_value_uint32(3);
         },
         u"i != Base::end()"},
        {"missing entry",
         [](Orvo::BiniNode& a) {
             Orvo::BiniNode& entries = child(modulator(a, 2), Saver::child_entries);
             entries.add_child(5)->add_child(Saver::child_parameters);
         },
         u"Node \"/Modu/Modu/2/Entr\":\nNo subnode with id \"3\"."},
        {"modulator index", [](Orvo::BiniNode& a) { child(target(a, 2, 2), 2).set_value_int32(3); },
         u"Invalid modulator index."},
        {"entry index", [](Orvo::BiniNode& a) { target(a, 2, 2).add_child(3)->set_value_int32(4); },
         u"Invalid entry index."},
        {"unknown id", [](Orvo::BiniNode& a) { child(target(a, 2, 1), 1).set_value_uint32(77); },
         u"Invalid modulatee id."},
        {"not a float",
         [](Orvo::BiniNode& a) {
             child(target(a, 2, 1), 1).set_value_uint32(Orvo::four_cc("Gain"));
         },
         u"Invalid modulatee id."},
        {"one lane",
         [](Orvo::BiniNode& a) {
             child(target(a, 2, 1), 1).set_value_uint32(Orvo::four_cc("Mono"));
         },
         u"Assigned parameter cannot be modulated."},
        {"slot index", assignment(Saver::child_slot_index, 2), u"Invalid assignable slot index."},
        {"assigned modulator", assignment(Saver::child_modulator_index, 3),
         u"Invalid assigned parameter's modulator index."},
        {"assigned entry",
         [](Orvo::BiniNode& a) {
             child(child(a, Saver::child_assignments), 2)
                 .get_child(Saver::child_entry_index)
                 ->set_value_int32(2);
         },
         u"Invalid assigned parameter's modulator entry index."},
        {"assigned id", assignment(Saver::child_parameter_id, Orvo::four_cc("Zzzz")),
         u"Invalid assigned parameter id."},
        {"assigned name", assignment(Saver::child_parameter_id, Modulator::id_name),
         u"Invalid assigned parameter id."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_name);
        const Bytes bytes = edited(c.m_edit);
        auto device = fresh();
        const Orvo::Exception failure = failure_of([&] { device->load_bytes(bytes); });
        ASSERT_NE(failure.get_inner(), nullptr);
        EXPECT_EQ(failure.get_inner()->get_message(), c.m_cause);
        EXPECT_EQ(device->modulation().get_modulator_count(), 0u);
        EXPECT_FALSE(device->m_depth->m_smoothing_normalized);
        EXPECT_NE(device->get_program()->host_parameter(0), nullptr);
        EXPECT_EQ(device->get_program()->get_slot_record(0).m_assigned, nullptr);
        device->run();
    }
}

TEST_F(Persistence, EntriesAgainstTheProcessingOrderAreDroppedOnLoad) {
    // The pad (modulator 2) aims at the combinator (modulator 3); stored backwards it would aim
    // at modulator 1, which runs before it.
    const Bytes bytes = edited([](Orvo::BiniNode& a) {
        Orvo::BiniNode& to_combinator = target(a, 2, 2);
        child(to_combinator, 1).set_value_uint32(Orvo::four_cc("A   "));
        child(to_combinator, 2).set_value_int32(0);
    });
    auto device = fresh();
    device->load_bytes(bytes);
    EXPECT_EQ(device->modulation().get_modulator(1)->get_entry_count(), 1u);
}
