// The modulation editor inside a real editor on the headless backend: its commands against the
// modulation manager, the refusals it shows, the stage choice, and state replaced behind its back.

#include "tonekit/Gui/ModulationEditor.h"
#include "tests/editor/HostedEditor.h"
#include "tests/support/FailureMessage.h"
#include "tests/tonekit/ModulationTestDevice.h"
#include "tonekit/Gui/DeviceGuiConcrete.h"
#include "tonekit/Gui/EntryListGridLayout.h"
#include "tonekit/Gui/ModulatorList.h"
#include "tonekit/Gui/ModulatorPanel.h"
#include "tonekit/Gui/ModulatorTitleBar.h"
#include "tonekit/Gui/ParameterChoice.h"
#include "tonekit/Gui/ParameterGui_Target.h"
#include "tonekit/Gui/ParameterGui_ToggleButton.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/XyModulator.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Widget/UpdateManager.h"
#include "vexa/Widgets/Choice.h"
#include "vexa/Widgets/ChoiceModel.h"
#include "vexa/Widgets/TextCommandButton.h"
#include "vexa/Widgets/TextToggleButton.h"
#include "vexa/Window/MessageBox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>
#include <vector>

namespace {

using Tonekit::ModulationEditor;
using Tonekit::Modulator;
using Tonekit::ProcessingStage;

class ModulationGui : public Tonekit::DeviceGuiConcrete {
public:
    explicit ModulationGui(Tonekit::Device& a_device)
        : DeviceGuiConcrete(a_device), m_editor(new ModulationEditor(*this)) {
        append(m_editor);
    }
    ModulationEditor* m_editor;
};

class GuiDevice : public TonekitTest::ModulationTestDevice {
public:
    using ModulationTestDevice::ModulationTestDevice;
    bool provides_gui() const override { return true; }
    Tonekit::DeviceGui* create_gui_object() override { return new ModulationGui(*this); }
};

class ModulationEditorTest : public TonekitTest::HostedEditor {
protected:
    void SetUp() override {
        HeadlessToolkit::SetUp();
        auto device = std::make_unique<GuiDevice>(m_folder.path());
        m_device = device.get();
        m_device->initialize();
        open_editor(std::move(device));
    }
    ModulationEditor& editor() { return *gui_as<ModulationGui>().m_editor; }
    Tonekit::ModulationManager& manager() { return m_device->modulation(); }
    // Chooses item a_item of the next pop-up menu (counted from 1 through the submenus, separators
    // included) by pressing a_button.
    void choose(Vexa::CommandButton& a_button, unsigned a_item) {
        m_platform->push_popup_menu_answer({{}, a_item});
        act([&] { a_button.activate(); });
    }
    // Runs a_action as the toolkit runs input: widgets destroyed meanwhile go at the end.
    void act(const std::function<void()>& a_action) {
        Vexa::UpdateManager::Suspension input(editor().get_desktop()->get_update_manager());
        a_action();
    }

    // The list and the panels show exactly the shown stage of the manager, in its order.
    void expect_in_step(const std::string& a_when) {
        SCOPED_TRACE(a_when);
        const std::vector<Modulator*>& stage = manager().get_stage(editor().get_stage());
        const auto& panels = editor().get_panels();
        ASSERT_EQ(panels.size(), stage.size());
        ASSERT_EQ(editor().get_list().get_item_count(), stage.size());
        for (std::size_t i = 0; i < stage.size(); ++i) {
            Modulator& modulator = *stage[i];
            EXPECT_EQ(&panels[i]->get_modulator(), &modulator);
            const std::u16string title(modulator.get_title().view());
            EXPECT_EQ(panels[i]->get_title_bar().get_title(), title);
            EXPECT_EQ(editor().get_list().get_item(i).get_text().view(), title);
            const Tonekit::EntryListGridLayout& table = panels[i]->get_entry_table();
            EXPECT_EQ(table.get_entry_row_count(), modulator.get_entry_count());
            EXPECT_EQ(table.shows_no_targets(), modulator.get_entry_count() == 0);
        }
    }

    TonekitTest::TemporaryFolder m_folder;
    GuiDevice* m_device = nullptr;
};

// The "Menu..." items in pop-up order: Append (1) XY (2) LFO (3), Prepend (4) XY (5) LFO (6),
// separator (7), "Edit assignments..." (8), separator (9), "Retrigger" (10), separator (11),
// "Clear modulation" (12).
constexpr unsigned append_xy = 2, append_lfo = 3, prepend_lfo = 6, clear_item = 12;

TEST_F(ModulationEditorTest, RandomCommandsKeepListPanelsAndManagerInStep) {
    std::mt19937 random(7);
    const auto pick = [&](std::size_t a_count) { return std::size_t(random() % a_count); };
    const char16_t* modulator_items[] = {u"Move up", u"Move down", u"Remove"};
    const char16_t* entry_items[] = {u"Move up",        u"Move down",     u"Move to top",
                                     u"Move to bottom", u"Insert before", u"Insert after",
                                     u"Remove"};
    for (int step = 0; step < 300; ++step) {
        act([&] {
            const auto& panels = editor().get_panels();
            const unsigned command = unsigned(random() % 8);
            if (command == 0 || panels.empty()) {
                const unsigned items[] = {append_xy, append_lfo, prepend_lfo};
                m_platform->push_popup_menu_answer({{}, items[pick(3)]});
                editor().get_menu_button().activate();
            } else if (command == 1) {
                editor().set_stage(ProcessingStage(1 + pick(3)));
            } else {
                Tonekit::ModulatorPanel& panel = *panels[pick(panels.size())];
                const unsigned entries = panel.get_modulator().get_entry_count();
                if (command == 2)
                    panel.get_title_bar().get_add_button().activate();
                else if (command == 3)
                    panel.run_modulator_command(modulator_items[pick(3)]);
                else if (command == 4)
                    panel.rename(u"n" + std::u16string(1, char16_t(u'a' + pick(26))));
                else if (entries > 0)
                    panel.run_entry_command(unsigned(pick(entries)), entry_items[pick(7)]);
            }
        });
        expect_in_step("step " + std::to_string(step));
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(manager().get_modulator_count(), 0u);
}

TEST_F(ModulationEditorTest, TheFiftyFirstModulatorIsRefusedWithAMessageAndNothingChanges) {
    for (unsigned i = 0; i < 50; ++i)
        manager().add_modulator(Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE,
                                i);
    testing::internal::CaptureStderr();
    choose(editor().get_menu_button(), append_lfo);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Too many modulators.\n");
    EXPECT_EQ(manager().get_modulator_count(), 50u);
    expect_in_step("after the refusal");
}

TEST_F(ModulationEditorTest, ClearModulationAsksFirst) {
    choose(editor().get_menu_button(), append_xy);
    for (int answer : {Vexa::MessageBoxResult_NO, Vexa::MessageBoxResult_YES}) {
        m_platform->push_message_box_answer(answer);
        choose(editor().get_menu_button(), clear_item);
        EXPECT_EQ(manager().get_modulator_count(), answer == Vexa::MessageBoxResult_YES ? 0u : 1u);
        expect_in_step("answered " + std::to_string(answer));
    }
}

TEST_F(ModulationEditorTest, TheStageChoiceShowsOneStageAndAddsToIt) {
    choose(editor().get_menu_button(), append_lfo);
    editor().get_stage_choice().get_model().select_item(1); // "In-note"
    EXPECT_EQ(editor().get_stage(), Tonekit::ProcessingStage_IN_NOTE);
    EXPECT_TRUE(editor().get_panels().empty());
    choose(editor().get_menu_button(), append_xy);
    ASSERT_EQ(manager().get_stage(Tonekit::ProcessingStage_IN_NOTE).size(), 1u);
    EXPECT_NE(dynamic_cast<Tonekit::XyModulator*>(
                  manager().get_stage(Tonekit::ProcessingStage_IN_NOTE)[0]),
              nullptr);
    expect_in_step("in-note");
    editor().set_stage(Tonekit::ProcessingStage_PRE_NOTE);
    expect_in_step("back to pre-note");

    // Targets hidden with "T" stay hidden through rebuilds; a new modulator's panel comes into
    // view through the list.
    act([&] { editor().get_panels()[0]->get_title_bar().get_targets_button().activate(); });
    choose(editor().get_menu_button(), append_lfo);
    EXPECT_FALSE(editor().get_panels()[0]->are_targets_shown());
    EXPECT_TRUE(editor().get_panels()[1]->are_targets_shown());
    EXPECT_EQ(editor().get_list().get_selection(), std::optional<std::size_t>(1));

    // "E" switches the modulator off; the list writes it in the quieter colour.
    Tonekit::ModulatorList& list = editor().get_list();
    const Vexa::GdiPlus_Color on = list.get_item_text_color(0);
    act([&] {
        editor().get_panels()[0]->get_title_bar().get_enable_button().get_button().set_toggled(
            false);
    });
    m_device->run(); // the switch takes effect with the next block
    editor().sync();
    EXPECT_FALSE(editor().get_panels()[0]->get_modulator().is_enabled());
    EXPECT_NE(list.get_item_text_color(0), on);
}

// The target chooser offers the device's parameters and later modulators', never the entry's own
// modulator's; choosing one routes the entry through the manager.
TEST_F(ModulationEditorTest, TheTargetChooserRoutesTheEntryWithinTheOrderRule) {
    choose(editor().get_menu_button(), append_lfo);
    choose(editor().get_menu_button(), append_lfo);
    Tonekit::ModulatorPanel& first = *editor().get_panels()[0];
    act([&] { first.add_target(); });
    auto* target = dynamic_cast<Tonekit::ParameterGui_Target*>(
        editor().get_panels()[0]->get_entry_table().get_entry_cell(0, 0));
    ASSERT_NE(target, nullptr);
    const std::vector<Tonekit::Parameter*> offered = target->get_choice().get_candidates();
    const auto offers = [&](Tonekit::Parameter* a_parameter) {
        return std::find(offered.begin(), offered.end(), a_parameter) != offered.end();
    };
    Modulator& second = *manager().get_modulator(1);
    EXPECT_TRUE(offers(m_device->m_depth));
    EXPECT_TRUE(offers(second.find_parameter(Tonekit::ModifyingModulator::id_amount)));
    EXPECT_FALSE(
        offers(first.get_modulator().find_parameter(Tonekit::ModifyingModulator::id_amount)));

    const Tonekit::EntryListGridLayout& table = editor().get_panels()[0]->get_entry_table();
    EXPECT_EQ(table.find_column(u"Phase group"), 3u);
    EXPECT_EQ(TestSupport::failure_message([&] { table.find_column(u"Axis"); }),
              u"Column not found");

    act([&] { target->get_choice().choose(m_device->m_depth); });
    EXPECT_EQ(manager().get_modulator(0)->get_entry(0)->get_target_parameter(), m_device->m_depth);
    expect_in_step("after routing");
}

// A chunk loaded by the host replaces the modulators the panels show; the editor follows at its
// next refresh, and no panel reaches a parameter of the old modulators meanwhile.
TEST_F(ModulationEditorTest, APanelOfAModulatorRemovedElsewhereActsOnNothing) {
    choose(editor().get_menu_button(), append_lfo);
    // Its panel's commands are dropped until the editor has caught up (chunks loaded behind its
    // back are followed in the thread test below).
    Tonekit::ModulatorPanel* stale = editor().get_panels()[0];
    manager().remove_modulator(manager().get_modulator(0));
    act([&] { stale->add_target(); });
    EXPECT_EQ(manager().get_modulator_count(), 0u);
    expect_in_step("after the removal");
}

// Hosts load chunks from a thread of their own while the editor's thread keeps it going: the
// panels of the modulators each load replaces must never be painted or rebuilt half way.
TEST_F(ModulationEditorTest, ChunksLoadedFromAnotherThreadWhileTheEditorIdles) {
    const std::vector<char> empty = get_chunk();
    choose(editor().get_menu_button(), append_lfo);
    choose(editor().get_menu_button(), append_xy);
    for (Tonekit::ModulatorPanel* panel : editor().get_panels())
        act([&] { panel->add_target(); });
    const std::vector<char> full = get_chunk();

    std::atomic<bool> done{false};
    std::thread host([&] {
        for (int load = 0; load < 200; ++load)
            set_chunk(load % 2 ? empty : full);
        done = true;
    });
    while (!done)
        dispatch(Vst::effEditIdle);
    host.join();
    dispatch(Vst::effEditIdle);
    editor().sync();
    EXPECT_EQ(manager().get_modulator_count(), 0u);
    expect_in_step("after the loads");
}

} // namespace
