// The parameter editors over a device with modulators, on the headless backend: what reaches the
// host during a drag, how each editor writes and follows its parameter, and the modulation marks.

#include "tests/support/Listen.h"
#include "tests/tonekit/ModulationTestDevice.h"
#include "tests/vexa/WidgetInputFixture.h"
#include "tonekit/Devices/Host.h"
#include "tonekit/Devices/ParameterIterator.h"
#include "tonekit/Gui/PG_Integer.h"
#include "tonekit/Gui/PG_RetriggerReason.h"
#include "tonekit/Gui/ParameterChoice.h"
#include "tonekit/Gui/ParameterGui_Boolean.h"
#include "tonekit/Gui/ParameterGui_Choice.h"
#include "tonekit/Gui/ParameterGui_Filler.h"
#include "tonekit/Gui/ParameterGui_ToggleButton.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/P_Integer.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"

#include <memory>
#include <string>
#include <vector>

using namespace Tonekit;
using Vexa::NativeEventType;

namespace {

class RecordingHost : public Host {
public:
    void begin_edit(int a_index) override { calls.push_back("begin " + std::to_string(a_index)); }
    void end_edit(int a_index) override { calls.push_back("end " + std::to_string(a_index)); }
    bool get_song_position(double&) override { return false; }
    void automate(int a_index, float) override {
        calls.push_back("automate " + std::to_string(a_index));
    }
    std::vector<std::string> calls;
};

constexpr Vexa::Rect place{10, 330, 200, 40};

class Editors : public VexaTest::WidgetInput {
protected:
    void SetUp() override {
        WidgetInput::SetUp();
        device.initialize();
        device.set_host(&host);
        xy = static_cast<XyModulator*>(
            device.modulation().add_modulator(XyModulator::type_code, ProcessingStage_PRE_NOTE, 0));
    }
    template <class Editor>
    Editor* show(Editor* a_editor) {
        open(a_editor, place);
        m_system->get_desktop()->flush();
        return a_editor;
    }
    void mouse(NativeEventType a_type, int a_x, int a_y, int a_button = 1) {
        send(HeadlessToolkit::mouse(a_type, place.x + a_x, place.y + a_y, a_button));
    }
    static void refresh(Parameter& a_parameter) {
        for (ParameterEditorLink* editor : a_parameter.get_editors())
            editor->on_gui_refresh(a_parameter);
    }

    TonekitTest::TemporaryFolder folder;
    TonekitTest::ModulationTestDevice device{folder.path()};
    RecordingHost host;
    XyModulator* xy = nullptr;
};

TEST_F(Editors, DragOnAParameterInAnAssignableSlotIsOneGestureOnTheSlotsHostIndex) {
    device.get_program()->assign(1, xy->get_x());
    const int index = xy->get_x()->m_host_index;
    ASSERT_GE(index, 0);
    auto* editor = show(new ParameterGui_Filler(xy->get_x()));
    mouse(NativeEventType::button_down, 20, 20);
    mouse(NativeEventType::mouse_move, 20, 10);
    mouse(NativeEventType::mouse_move, 20, 0);
    mouse(NativeEventType::button_up, 20, 0);
    const std::string i = std::to_string(index);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"begin " + i, "automate " + i, "automate " + i,
                                                    "end " + i}));
    EXPECT_FLOAT_EQ(xy->get_x()->get_normalized_value(), editor->get_filler().get_value());

    // A change made elsewhere shows on the bar without anything sent back.
    host.calls.clear();
    device.get_program()->assign(1, nullptr);
    xy->get_x()->set_normalized_value(0.8f);
    refresh(*xy->get_x());
    EXPECT_EQ(editor->get_filler().get_value(), 0.8f);
    EXPECT_EQ(editor->get_filler().get_display_value(), xy->get_x()->get_value());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(Editors, ClosingAnEditorInTheMiddleOfADragEndsTheGesture) {
    device.get_program()->assign(0, xy->get_x());
    auto* editor = show(new ParameterGui_Filler(xy->get_x()));
    auto* second = new ParameterGui_Filler(xy->get_x()); // keeps the parameter attached
    mouse(NativeEventType::button_down, 20, 20);
    m_window->remove_child(editor);
    delete editor;
    delete second;
    EXPECT_EQ(host.calls.back().substr(0, 3), "end");
    EXPECT_EQ(xy->get_x()->get_edit_depth(), 0u);
}

TEST_F(Editors, BarStartsAtZeroOfABipolarVariationAndShowsTheTypedValue) {
    ParameterGui_Filler editor(device.m_varied);
    EXPECT_EQ(editor.get_filler().get_origin(), 0.0f);
    device.m_varied->change_variation(device.m_varied->find_variation(2)); // -1..1, bipolar
    refresh(*device.m_varied); // the GUI's refresh follows every change
    EXPECT_EQ(editor.get_filler().get_origin(), 0.5f);
    EXPECT_EQ(editor.get_filler().get_display_value(), device.m_varied->get_value());
    Orvo::WString description;
    editor.get_description_text(description);
    EXPECT_EQ(editor.get_hint()->get_text(), std::u16string(description.view()));
    EXPECT_EQ(description.view().substr(0, 8), u"Varied: ");
}

TEST_F(Editors, BooleanEditorsWriteAndFollowTheirParameter) {
    auto* enabled = static_cast<P_Boolean*>(xy->find_parameter(Modulator::id_enabled));
    auto* box = show(new ParameterGui_Boolean(enabled));
    ParameterGui_ToggleButton button(enabled, u"S");
    EXPECT_TRUE(box->get_check_box().is_checked());
    EXPECT_TRUE(button.get_button().is_toggled());
    click(*m_system, place.x + 5, place.y + 5);
    EXPECT_FALSE(enabled->get_value());
    refresh(*enabled);
    EXPECT_FALSE(button.get_button().is_toggled());
    button.get_button().set_toggled(true);
    EXPECT_TRUE(enabled->get_value());
    refresh(*enabled);
    EXPECT_TRUE(box->get_check_box().is_checked());
}

TEST_F(Editors, ChoiceOffersItsOptionsAndWritesTheOneChosen) {
    ModulatorEntry* entry = TonekitTest::route(device.modulation(), xy, device.m_depth);
    auto* choice =
        static_cast<P_GenericChoice*>(entry->find_parameter(ModifyingModulatorEntry::id_location));
    ParameterGui_Choice editor(choice);
    Vexa::ComboBoxItemTreeBuilder tree;
    editor.do_build_item_tree(tree);
    ASSERT_EQ(tree.get_items().size(), choice->get_options().size());
    const int current = tree.get_current_position();
    ASSERT_GE(current, 0);
    EXPECT_EQ(tree.get_items()[current].id, choice->get_current_id());
    Orvo::WString text;
    choice->get_value_text(text);
    EXPECT_EQ(editor.get_combo_box().get_text(), std::u16string(text.view()));

    editor.get_combo_box().step_selection(1);
    EXPECT_EQ(choice->get_current_id(), tree.get_items()[current + 1].id);
    choice->set_option(std::uint32_t(tree.get_items()[current].id));
    refresh(*choice);
    choice->get_value_text(text);
    EXPECT_EQ(editor.get_combo_box().get_text(), std::u16string(text.view()));

    // The box shows an option's terser text, the menu the descriptive one, whichever of the
    // option's name and label that is.
    auto* lfo =
        device.modulation().add_modulator(LfoModulator::type_code, ProcessingStage_PRE_NOTE, 1);
    ParameterGui_Choice sync(lfo->find_parameter(LfoModulator::id_synchronization_type));
    EXPECT_EQ(sync.get_combo_box().get_text(), u"Seconds");
    Vexa::ComboBoxItemTreeBuilder sync_tree;
    sync.do_build_item_tree(sync_tree);
    EXPECT_EQ(sync_tree.get_items()[0].label,
              u"Seconds - tempo and song position ignored, cycle duration in seconds");
}

TEST_F(Editors, IntegerFieldWritesWhatIsTypedAndFollowsTheParameter) {
    auto* lfo = static_cast<LfoModulator*>(
        device.modulation().add_modulator(LfoModulator::type_code, ProcessingStage_PRE_NOTE, 0));
    P_Integer* numerator = lfo->get_numerator();
    auto* editor = show(new PG_Integer(numerator));
    editor->get_edit().get_entry().set_focus(Vexa::FocusReason_PROGRAM);
    press(Vexa::KeyCode_A, false, true);
    type(u"3");
    press(Vexa::KeyCode_ENTER);
    EXPECT_EQ(numerator->get_value(), 3);
    numerator->set_value(5);
    refresh(*numerator);
    EXPECT_EQ(editor->get_edit().get_value(), 5.0);
}

TEST_F(Editors, RetriggerReasonOffersNoneAnyAndTheEightDefinitions) {
    P_RetriggerReason reason;
    PG_RetriggerReason editor(&reason);
    Vexa::ComboBoxItemTreeBuilder tree;
    editor.do_build_item_tree(tree);
    std::u16string labels;
    for (const Vexa::ComboBoxItem& item : tree.get_items())
        labels += item.label + (item.current ? u"* " : u" ");
    EXPECT_EQ(labels, u"None Any* 1 2 3 4 5 6 7 8 ");
}

TEST_F(Editors, ParameterChoiceListsTheOfferedModulatorParametersAndAssigns) {
    const unsigned filter = ParameterIterator::Filter_OFFERED_FOR_SLOT_ASSIGNMENT;
    ParameterChoice choice(device, filter, ParameterIterator::Walk_MODULATORS);
    std::vector<Parameter*> chosen;
    TestSupport::listen(choice.m_on_parameter_chosen,
                        [&](auto& a_event) { chosen.push_back(a_event.parameter); });
    EXPECT_EQ(choice.get_text(), u"None");
    choice.step_selection(1); // from "None" to the first parameter
    ASSERT_EQ(chosen.size(), 1u);
    ASSERT_NE(chosen[0], nullptr);
    EXPECT_TRUE(chosen[0]->m_offered_for_slot_assignment);
    EXPECT_EQ(choice.get_parameter(), chosen[0]);
    EXPECT_NE(choice.get_text().find(u"/"), std::u16string::npos) << "the modulator's path";

    device.modulation().remove_modulator(xy);
    ParameterChoice empty(device, filter, ParameterIterator::Walk_MODULATORS);
    EXPECT_EQ(empty.get_text(), u"<no parameters to choose>");
    EXPECT_FALSE(empty.step_selection(1));
}

struct BareChoice : PG_Choice {
    explicit BareChoice(Parameter* a_parameter) : PG_Choice(a_parameter) { p_initialize(); }
    void do_build_item_tree(Vexa::ComboBoxItemTreeBuilder&) override {}
    void do_choose(std::size_t) override {}
};

TEST_F(Editors, MisusedEditorsFailWithTheCheckedCondition) {
    EXPECT_EQ(VexaTest::failure([&] { BareChoice editor(device.m_depth); }),
              u"PG_Choice::do_create_editable_editor() not overridden.");
    ParameterGui_Boolean editor(xy->find_parameter(Modulator::id_enabled));
    EXPECT_EQ(VexaTest::failure([&] { editor.set_widget(nullptr); }), u"a_widget");
    auto spare = std::make_unique<Vexa::CheckBox>();
    EXPECT_EQ(VexaTest::failure([&] { editor.set_widget(spare.get()); }), u"!m_widget");
    EXPECT_EQ(device.m_depth->get_editor_count(), 0u) << "the failed editor detached";
}

TEST_F(Editors, ModulationMarksFollowTheEntriesAndTheVisualizationSetting) {
    ModulatorEntry* entry = TonekitTest::route(device.modulation(), xy, device.m_depth, 1, 0.5f);
    xy->get_x()->set_normalized_value(0.75f);
    device.settle();
    device.run();
    auto* editor = show(new ParameterGui_Filler(device.m_depth));
    // As the sheet gives it: a repaint starts from the bar's own background.
    editor->get_filler().set_background(Vexa::GdiPlus_Brush(Vexa::GdiPlus_Color(0xFF000000)));
    ASSERT_TRUE(editor->shows_modulation());
    const auto marks = editor->get_modulation_marks();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_FLOAT_EQ(marks[0].position, 0.25f + 0.5f * 0.75f);
    EXPECT_TRUE(marks[0].signalling);

    const struct {
        Modvis setting;
        bool hovered, visible;
    } cases[] = {{Modvis_ALL, false, true},
                 {Modvis_BELOW_MOUSE_CURSOR, true, true},
                 {Modvis_BELOW_MOUSE_CURSOR, false, false},
                 {Modvis_NONE, true, false}};
    const int x = int(place.width * marks[0].position);
    for (const auto& c : cases) {
        device.m_modulation_visualization = c.setting;
        editor->set_hovered(c.hovered);
        editor->get_filler().repaint();
        m_system->get_desktop()->flush();
        const Vexa::GdiPlus_Color top =
            m_system->compose({0, 0, 600, 400}).get_pixel(place.x + x, place.y);
        EXPECT_EQ(top == editor->get_filler().get_signalling_indicator_pen().get_color(), c.visible)
            << c.setting << " " << c.hovered;
    }

    entry->find_parameter(ModulatorEntry::id_enabled)->set_normalized_value(0.0f);
    device.settle();
    EXPECT_FALSE(editor->get_modulation_marks()[0].signalling);
    EXPECT_FALSE(ParameterGui_Filler(xy->get_y()).get_modulation_marks().size());
}

} // namespace
