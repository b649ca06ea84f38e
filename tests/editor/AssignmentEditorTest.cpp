// The "Parameter assignments" window on the headless backend: what its choices do to the list the
// host sees, and how they follow the modulation while the window is open.

#include "orvo/Binis/BiniNode.h"
#include "tests/tonekit/ModulationTestDevice.h"
#include "tests/tonekit/ParameterTestSupport.h"
#include "tests/vexa/HeadlessToolkit.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/DeviceProgramBuilder.h"
#include "tonekit/Gui/AssignmentEditorPanel.h"
#include "tonekit/Gui/AssignmentEditorWindow.h"
#include "tonekit/Gui/ParameterChoice.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/Parameters/AssignableParameterSlot.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Window/SystemWindow.h"

#include <memory>
#include <string>

using namespace Tonekit;

namespace {

constexpr unsigned slot_count = 16;

// The product's sixteen slots: the test device brings two.
class SlotDevice : public TonekitTest::ModulationTestDevice {
public:
    using ModulationTestDevice::ModulationTestDevice;
    void build() override {
        ModulationTestDevice::build();
        DeviceProgramBuilder builder(*get_program());
        for (unsigned slot = 2; slot < slot_count; ++slot) {
            auto* parameter = new AssignableParameterSlot;
            parameter->m_id = Orvo::four_cc("As00") + ((slot / 10) << 16) + ((slot % 10) << 24);
            builder.add_parameter(parameter);
        }
    }
};

class AssignmentEditor : public VexaTest::HeadlessToolkit {
protected:
    void SetUp() override {
        HeadlessToolkit::SetUp();
        device.initialize();
        xy = static_cast<XyModulator*>(
            device.modulation().add_modulator(XyModulator::type_code, ProcessingStage_PRE_NOTE, 0));
        m_system = std::make_unique<Vexa::SystemWindow>(nullptr, 0);
        m_system->set_client_size(1200, 800);
        m_system->show(Vexa::Modality_MODELESS);
        window = open_assignment_editor(*m_system->get_desktop(), device);
    }
    void TearDown() override {
        window->close();
        delete window;
        m_system.reset();
        HeadlessToolkit::TearDown();
    }
    ParameterChoice& choice(unsigned a_slot) { return window->get_panel().get_choice(a_slot); }
    Parameter* host_sees(unsigned a_slot) {
        const DeviceProgram& program = *device.get_program();
        return program.host_parameter(program.get_slot_record(a_slot).m_host_index);
    }
    void expect_free(unsigned a_slot, const char16_t* a_text = ParameterChoice::none_text) {
        EXPECT_EQ(host_sees(a_slot), device.get_program()->get_slot_record(a_slot).m_slot);
        EXPECT_EQ(choice(a_slot).get_parameter(), nullptr);
        EXPECT_EQ(choice(a_slot).get_text(), a_text);
    }

    TonekitTest::TemporaryFolder folder;
    SlotDevice device{folder.path()};
    XyModulator* xy = nullptr;
    std::unique_ptr<Vexa::SystemWindow> m_system;
    AssignmentEditorWindow* window = nullptr;
};

TEST_F(AssignmentEditor, ShowsEverySlotNumberedFromOneTwoToARowCentred) {
    AssignmentEditorPanel& panel = window->get_panel();
    ASSERT_EQ(panel.get_slot_count() * 2, panel.get_row_count() * panel.get_column_count());
    for (unsigned slot = 0; slot < slot_count; ++slot) {
        const std::string number = std::to_string(slot + 1) + ":";
        EXPECT_EQ(panel.get_label(slot).get_text(), std::u16string(number.begin(), number.end()));
        EXPECT_EQ(panel.get_cell_widget(slot / 2, slot % 2 * 2), &panel.get_label(slot)) << slot;
        EXPECT_EQ(panel.get_cell_widget(slot / 2, slot % 2 * 2 + 1), &choice(slot)) << slot;
    }
    EXPECT_EQ(window->get_width(), std::min(window->get_preferred_size().width, 1200));
    EXPECT_EQ(window->get_rect().x, (1200 - window->get_width()) / 2);
}

TEST_F(AssignmentEditor, ChoosingPutsTheParameterAtTheSlotsHostIndexNoneOrAnotherSlotFreesIt) {
    TonekitTest::RecordingHost host;
    device.set_host(&host);
    for (unsigned slot : {0u, 7u, 15u}) {
        expect_free(slot);
        host.m_events.clear();
        ASSERT_TRUE(choice(slot).step_selection(1)) << slot;
        // The host reads the slot's value and text again.
        EXPECT_EQ(host.m_events, std::vector<std::string>{"update display"}) << slot;
        Parameter* chosen = choice(slot).get_parameter();
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(ModulationManager::owning_modulator(*chosen), xy);
        EXPECT_EQ(host_sees(slot), chosen) << slot;
        ASSERT_TRUE(choice(slot).step_selection(-1)); // back to "None"
        expect_free(slot);
        EXPECT_EQ(chosen->m_host_index, -1);
    }
    device.set_host(nullptr);
    ASSERT_TRUE(choice(2).step_selection(1));
    ASSERT_TRUE(choice(9).step_selection(1));
    EXPECT_EQ(host_sees(9), choice(9).get_parameter());
    expect_free(2);
}

TEST_F(AssignmentEditor, SlotsWhoseParametersGoShowFreeAtOnce) {
    auto* lfo =
        device.modulation().add_modulator(LfoModulator::type_code, ProcessingStage_PRE_NOTE, 1);
    ModulatorEntry* entry = TonekitTest::route(device.modulation(), lfo, device.m_depth);
    Parameter* range = entry->find_parameter(ModifyingModulatorEntry::id_range);
    AssignmentEditorPanel& panel = window->get_panel();
    panel.assign(1, xy->get_x());
    panel.assign(4, xy->get_y());
    panel.assign(6, range);
    EXPECT_EQ(choice(6).get_text(), u"(no name)/E1/Range");

    device.modulation().remove_entry(entry);
    expect_free(6);
    device.modulation().remove_modulator(lfo);
    EXPECT_EQ(choice(4).get_parameter(), xy->get_y());
    // No signal follows the last modulator's removal; the sanitized build catches a choice that
    // follows its parameter afterwards.
    device.modulation().remove_modulator(xy);
    for (unsigned slot : {1u, 4u, 6u})
        expect_free(slot, ParameterChoice::nothing_to_choose_text);
}

TEST_F(AssignmentEditor, ALoadShowsTheAssignmentsItBrings) {
    window->get_panel().assign(3, xy->get_y());
    Orvo::BiniNode stored;
    {
        auto locks = device.lock_structure();
        device.modulation().save(stored);
    }
    device.modulation().clear();
    expect_free(3, ParameterChoice::nothing_to_choose_text);
    device.modulation().load(stored);
    auto* loaded = static_cast<XyModulator*>(device.modulation().get_modulator(0));
    EXPECT_EQ(choice(3).get_parameter(), loaded->get_y());
    EXPECT_EQ(host_sees(3), loaded->get_y());
}

} // namespace
