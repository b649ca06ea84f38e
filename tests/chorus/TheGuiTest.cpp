// The chorus editor on the headless backend, opened through the plug-in's editor like a host
// would: which parameter every editor shows, the voice tabs, and solo beside the check boxes.

#include "chorus/gui/TheGui.h"
#include "../support/TemporaryFolder.h"
#include "chorus/ChorusParameterBuilder.h"
#include "chorus/gui/ChorusStyles.h"
#include "chorus/gui/TheEffectWithEditor.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Core/Utf.h"
#include "tests/editor/HostedEditor.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/ProcessRequest.h"
#include "tonekit/Gui/ModulationEditor.h"
#include "tonekit/Gui/ModulatorList.h"
#include "tonekit/Gui/ModulatorPanel.h"
#include "tonekit/Gui/ParameterGui_Boolean.h"
#include "tonekit/Gui/ParameterGui_ToggleButton.h"
#include "tonekit/Gui/SingleParameterEditor.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Layouts/ScrollArea.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Widgets/CheckBox.h"
#include "vexa/Widgets/Tabs.h"
#include "vexa/Widgets/ToggleButton.h"
#include "vexa/Widgets/VerticalScrollBar.h"
#include "vexa/Window/HintWindow.h"
#include "vexa/Window/SystemWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using tolvanchorus::ChorusParameterBuilder;

// Every parameter editor inside a widget, in tree order.
void collect_editors(Vexa::Widget* a_widget, std::vector<Tonekit::SingleParameterEditor*>& a_out) {
    if (auto* editor = dynamic_cast<Tonekit::SingleParameterEditor*>(a_widget)) {
        a_out.push_back(editor);
        return;
    }
    for (Vexa::Widget* child : a_widget->get_children())
        collect_editors(child, a_out);
}

std::string id_text(std::uint32_t a_id) {
    return Orvo::to_utf8(Orvo::four_cc_text(a_id).view());
}

class ChorusEditor : public TonekitTest::HostedEditor {
protected:
    void SetUp() override {
        setenv("XDG_DATA_HOME", m_folder.path().c_str(), 1);
        HeadlessToolkit::SetUp();
        auto effect = std::make_unique<tolvanchorus::TheEffectWithEditor>();
        m_effect = effect.get();
        m_effect->initialize();
        m_effect->setSampleRate(48000.0f);
        tolvanchorus::load_style_sheet_at_start(*m_effect);
        open_editor(std::move(effect));
    }
    tolvanchorus::TheGui& gui() { return gui_as<tolvanchorus::TheGui>(); }
    Tonekit::Parameter* parameter(std::uint32_t a_id) {
        return m_effect->get_program()->get_collection().find(a_id);
    }
    // The page's editors, row by row: the caption column holds none.
    std::vector<std::uint32_t> page_ids(std::size_t a_tab) {
        std::vector<Tonekit::SingleParameterEditor*> editors;
        collect_editors(gui().get_voice_tabs().get_page(a_tab), editors);
        std::vector<std::uint32_t> ids;
        for (Tonekit::SingleParameterEditor* editor : editors)
            ids.push_back(editor->get_parameter()->get_id());
        return ids;
    }
    void run_block() {
        float left[16] = {}, right[16] = {};
        float* channels[2] = {left, right};
        Tonekit::ProcessRequest request;
        request.m_inputs = channels, request.m_outputs = channels, request.m_frames = 16;
        m_effect->process(request);
    }

    TestSupport::TemporaryFolder m_folder;
    tolvanchorus::TheEffectWithEditor* m_effect = nullptr;
};

TEST_F(ChorusEditor, EverySettingHasOneEditorExceptThoseOnlyModulatorsAndHostsReach) {
    for (Tonekit::Parameter* p : m_effect->get_program()->get_collection().get_parameters()) {
        const std::string id = id_text(p->get_id());
        const bool hidden = id.rfind("As", 0) == 0 || id.rfind("PiM", 0) == 0;
        EXPECT_EQ(p->get_editor_count(), hidden ? 0u : 1u) << id;
    }
}

TEST_F(ChorusEditor, BothVoiceTabsShowTheSameRowsForTheirOwnVoices) {
    const char prefixes[][4] = {"Ena", "Sol", "IGa", "OGa", "Del",
                                "Dep", "IPL", "IPa", "OPL", "OPa"};
    for (std::size_t tab = 0; tab < 2; ++tab) {
        std::vector<std::uint32_t> expected;
        for (std::size_t row = 0; row < std::size(prefixes); ++row) {
            // The first row pairs each voice's check box with its solo button.
            const bool pair = row < 2;
            if (pair && row == 1)
                continue;
            for (unsigned v = 4 * tab; v < 4 * tab + 4; ++v) {
                expected.push_back(ChorusParameterBuilder::voice_id(prefixes[row], v));
                if (pair)
                    expected.push_back(ChorusParameterBuilder::voice_id(prefixes[1], v));
            }
        }
        EXPECT_EQ(page_ids(tab), expected) << "tab " << tab;
    }
    Vexa::Tabs& tabs = gui().get_voice_tabs();
    tabs.select_tab(1);
    dispatch(Vst::effEditIdle);
    EXPECT_TRUE(tabs.get_page(1)->is_displayed());
    EXPECT_FALSE(tabs.get_page(0)->is_displayed());
}

TEST_F(ChorusEditor, SoloChangesWhichVoicesSoundButNoCheckBox) {
    std::vector<Tonekit::SingleParameterEditor*> editors;
    collect_editors(gui().get_voice_tabs().get_page(0), editors);
    const auto checks = [&] {
        std::vector<bool> checked;
        for (Tonekit::SingleParameterEditor* editor : editors)
            if (auto* box = dynamic_cast<Vexa::CheckBox*>(editor->get_widget()))
                checked.push_back(box->is_checked());
        return checked;
    };
    const std::vector<bool> before = checks();
    ASSERT_EQ(before, (std::vector<bool>{true, true, false, false}));

    // Voice 3's "S": editors[4] is voice 3's check box, editors[5] its solo button.
    auto* solo = dynamic_cast<Vexa::ToggleButton*>(editors[5]->get_widget());
    ASSERT_NE(solo, nullptr);
    solo->set_toggled(true);
    run_block();
    dispatch(Vst::effEditIdle);
    const tolvanchorus::SignalPath& path = m_effect->get_signal_path();
    for (unsigned v = 0; v < tolvanchorus::SignalPath::voice_count; ++v)
        EXPECT_EQ(path.voice(v).effective_enabled(), v == 2) << "voice " << v + 1;
    EXPECT_EQ(checks(), before);
    EXPECT_TRUE(solo->is_toggled());
}

// The note that shows when the mouse rests on a bar, drawn by the shipped sheet: its text must
// be there and readable, light on the sheet's dark surfaces.
TEST_F(ChorusEditor, TheHintOfARestingMouseShowsTheSettingReadably) {
    std::vector<Tonekit::SingleParameterEditor*> editors;
    collect_editors(gui().get_voice_tabs().get_page(0), editors);
    Tonekit::SingleParameterEditor& delay = *editors[2 * 4 + 2 * 4]; // after the pairs and gains
    ASSERT_EQ(delay.get_parameter()->get_id(), ChorusParameterBuilder::voice_id("Del", 0));
    auto& editor = plugin_editor();
    const Vexa::Rect bar = delay.get_rect_in_desktop();
    Vexa::NativeEvent move;
    move.type = Vexa::NativeEventType::mouse_move;
    move.x = bar.x + bar.width / 2;
    move.y = bar.y + bar.height / 2;
    m_platform->send(*editor.get_window()->get_native_window(), move);
    m_platform->advance_time(Vexa::SystemWindow::hover_time + 50);
    dispatch(Vst::effEditIdle);
    Vexa::HintWindow* hint = editor.get_window()->get_desktop()->get_shown_hint();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->get_text(), u"Delay 1: 15 ms");
    const Vexa::Rect area = hint->get_rect_in_desktop();
    const Vexa::Bitmap& picture = editor.get_window()->get_back_buffer();
    int light = 0;
    for (int y = area.y; y < area.bottom(); ++y)
        for (int x = area.x; x < area.right(); ++x)
            light += picture.get_pixel(x, y).get_green() > 0xB0;
    EXPECT_GT(light, 20) << "the hint's text is drawn in the sheet's light text colour";
}

// The modulation editor sits below the chorus. At the editor's own size one LFO panel with its
// target fits without scrolling; more panels scroll; height the host's window gains goes to the
// panels alone.
TEST_F(ChorusEditor, TheModulationPanelsTakeTheHeightTheWindowGains) {
    Tonekit::ModulationManager& manager = *m_effect->get_modulation_manager();
    const auto add_lfo = [&] {
        manager.add_entry(manager.add_modulator(Tonekit::LfoModulator::type_code,
                                                Tonekit::ProcessingStage_PRE_NOTE, 0));
    };
    add_lfo();
    Tonekit::ModulationEditor& modulation = gui().get_modulation_editor();
    Vexa::ScrollArea& area = modulation.get_scroll_area();
    modulation.sync();
    ASSERT_EQ(modulation.get_panels().size(), 1u);
    EXPECT_LE(modulation.get_panels()[0]->get_height(), area.get_viewport().height);
    EXPECT_FALSE(area.get_scroll_bar().is_displayed());
    add_lfo();
    modulation.sync();
    EXPECT_TRUE(area.get_scroll_bar().is_displayed());
    // Choosing the second in the list scrolls its panel into view.
    modulation.get_list().select(1);
    dispatch(Vst::effEditIdle);
    EXPECT_GT(area.get_offset(), 0);

    const std::vector<Vexa::Widget*>& panels =
        modulation.get_parent()->get_parent()->get_children();
    ASSERT_EQ(panels.size(), 4u);
    std::vector<int> chorus_heights;
    for (std::size_t i = 0; i < 3; ++i)
        chorus_heights.push_back(panels[i]->get_height());
    const int viewport = area.get_viewport().height;
    Vexa::SystemWindow& window = *plugin_editor().get_window();
    const Vexa::Size size = window.get_client_size();
    window.set_client_size(size.width, size.height + 300);
    dispatch(Vst::effEditIdle);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(panels[i]->get_height(), chorus_heights[i]) << "panel " << i;
    EXPECT_EQ(area.get_viewport().height, viewport + 300);
}

} // namespace
