// The device GUI frame on the headless backend, inside a real editor: the preset panel over a
// temporary preset folder, the menu's commands, the variations menu and the GUI refresh.

#include "tests/editor/HostedEditor.h"
#include "tests/tonekit/TestDevice.h"
#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Devices/PresetFolder.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Devices/PresetRecord.h"
#include "tonekit/Gui/DeviceAboutWindow.h"
#include "tonekit/Gui/DeviceGuiConcrete.h"
#include "tonekit/Gui/DeviceGuiParameterDisplay.h"
#include "tonekit/Gui/DeviceGuiProgramDisplay.h"
#include "tonekit/Gui/DevicePanel.h"
#include "tonekit/Gui/DeviceSettingsWindow.h"
#include "tonekit/Gui/ParameterGui_Choice.h"
#include "tonekit/Gui/PresetArrowButton.h"
#include "tonekit/Gui/SingleParameterEditor.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Widget/UpdateManager.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Widgets/TextCommandButton.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/SystemWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

using Tonekit::Parameter;
using TonekitTest::PlainParameter;

// Records what each GUI refresh showed of its parameter.
class RecordingEditor : public Tonekit::SingleParameterEditor {
public:
    explicit RecordingEditor(Parameter* a_parameter) : SingleParameterEditor(a_parameter) {
        set_widget(new Vexa::Label(u"editor"));
    }
    void on_gui_refresh(Parameter& a_parameter) override {
        m_shown.push_back(a_parameter.get_normalized_value());
    }
    std::vector<float> m_shown;
};

class FrameGui : public Tonekit::DeviceGuiConcrete {
public:
    FrameGui(Tonekit::Device& a_device, Parameter* a_gain, Parameter* a_shape)
        : DeviceGuiConcrete(a_device), m_panel(create_device_panel()),
          m_gain(new RecordingEditor(a_gain)), m_shape(new RecordingEditor(a_shape)) {
        append(m_panel);
        append(m_gain);
        append(m_shape);
    }
    Tonekit::DevicePanel* m_panel;
    RecordingEditor* m_gain;
    RecordingEditor* m_shape;
};

// The recording device plus "Shape", a parameter with two variations.
class FrameDevice : public TonekitTest::RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    void build() override {
        RecordingDevice::build();
        m_shape = new PlainParameter(Orvo::four_cc("Shap"), u"Shape", nullptr);
        m_shape->append_variation(new Tonekit::ParameterVariation(1, u"Soft"), true);
        m_shape->append_variation(new Tonekit::ParameterVariation(2, u"Hard"), false);
        Tonekit::DeviceProgramBuilder(*get_program()).add_parameter(m_shape);
    }
    bool provides_gui() const override { return true; }
    Tonekit::DeviceGui* create_gui_object() override {
        return new FrameGui(*this, m_gain, m_shape);
    }
    PlainParameter* m_shape = nullptr;
};

class DeviceGuiFrameTest : public TonekitTest::HostedEditor {
protected:
    // Presets named by their paths below the preset folder, written before the device starts.
    void make(std::initializer_list<const char*> a_presets = {}) {
        for (const char* preset : a_presets) {
            const std::filesystem::path path = presets_path() / (std::string(preset) + ".preset");
            std::filesystem::create_directories(path.parent_path());
            TonekitTest::TemporaryFolder scratch;
            FrameDevice writer(scratch.path());
            writer.initialize();
            writer.m_gain->set_normalized_value(float(path.string().size() % 10) / 10.0f);
            writer.get_preset_manager()->save_file(Orvo::WString(path.u16string().c_str()));
            writer.close();
        }
        auto device = std::make_unique<FrameDevice>(m_folder.path());
        m_device = device.get();
        m_device->initialize();
        open_editor(std::move(device));
    }
    std::filesystem::path presets_path() const { return m_folder.path() / "Presets"; }
    FrameGui& gui() { return gui_as<FrameGui>(); }
    Tonekit::DevicePanel& panel() { return *gui().m_panel; }
    Tonekit::PresetManager& presets() { return *m_device->get_preset_manager(); }
    std::u16string current_name() { return std::u16string(presets().get_current_preset_name()); }
    std::vector<std::u16string> selector_items() {
        std::vector<std::u16string> labels;
        for (const Vexa::ComboBoxItem& item : panel().get_program_display().collect_items())
            labels.push_back((item.current ? u"*" : u"") + item.label);
        return labels;
    }
    void idle() { dispatch(Vst::effEditIdle); }
    // Chooses the menu's item with this number (separators count).
    // As the toolkit runs input: nothing is measured or deleted until the command is done.
    void choose_from_menu(unsigned a_item) {
        m_platform->push_popup_menu_answer({{}, a_item});
        Vexa::UpdateManager::Suspension input(panel().get_desktop()->get_update_manager());
        panel().get_menu_button().activate();
    }

    // Opens "Settings..." and steps the drop-down of a_choice by a_step items.
    void step_choice(Parameter* a_choice, int a_step) {
        auto* editor =
            dynamic_cast<Tonekit::ParameterGui_Choice*>(settings().find_editor(a_choice));
        ASSERT_NE(editor, nullptr);
        editor->get_combo_box().step_selection(a_step);
    }
    Tonekit::DeviceSettingsWindow& settings() {
        if (!panel().get_settings_window())
            choose_from_menu(9); // "Settings..."
        return *panel().get_settings_window();
    }
    Tonekit::DeviceSettingsParameters& current() {
        return m_device->get_instance_settings()->get_parameters();
    }
    Tonekit::DeviceSettingsParameters& defaults() {
        return m_device->get_global_settings()->get_parameters();
    }
    std::filesystem::path settings_path() const {
        return std::filesystem::path(m_device->get_settings_path().view());
    }
    // What a new instance starts with: the defaults as the settings file has them.
    Tonekit::Modvis new_instance_visualization() {
        FrameDevice reader(m_folder.path());
        reader.initialize();
        const Tonekit::Modvis shown = reader.m_modulation_visualization;
        reader.close();
        return shown;
    }

    TonekitTest::TemporaryFolder m_folder;
    FrameDevice* m_device = nullptr;
};

// The flat list is Pads/warm (0), a (1), b (2): subfolders first.
TEST_F(DeviceGuiFrameTest, PresetArrowsStepThroughThePresetsAndWrapAround) {
    make({"a", "b", "Pads/warm"});
    EXPECT_EQ(selector_items(), (std::vector<std::u16string>{u"warm", u"a", u"b"}));
    struct Case {
        std::size_t from;
        bool next;
        const char16_t* to;
    };
    const Case cases[] = {
        {0, true, u"a"},  {1, true, u"b"}, {2, true, u"warm"}, // the last wraps to the first
        {0, false, u"b"},                                      // and the first to the last
        {2, false, u"a"},
    };
    for (const Case& c : cases) {
        presets().load_record(presets().get_preset(c.from));
        (c.next ? panel().get_next_button() : panel().get_previous_button()).activate();
        EXPECT_EQ(current_name(), c.to) << c.from << (c.next ? " next" : " previous");
        EXPECT_EQ(panel().get_program_display().get_text(), c.to);
    }
    EXPECT_EQ(selector_items(), (std::vector<std::u16string>{u"warm", u"*a", u"b"}));
    // The folder of the current preset is marked open; none is while the current one is on top.
    const auto open_folders = [&] { return panel().get_program_display().collect_open_folders(); };
    EXPECT_TRUE(open_folders().empty());
    panel().get_previous_button().activate();
    EXPECT_EQ(open_folders(), std::vector<std::u16string>{u"Pads"});
}

TEST_F(DeviceGuiFrameTest, WithoutPresetsTheSelectorSaysSoAndTheArrowsDoNothing) {
    make();
    const std::vector<Vexa::ComboBoxItem> items = panel().get_program_display().collect_items();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].label, u"<No presets found>");
    EXPECT_FALSE(items[0].enabled);
    m_device->m_gain->set_normalized_value(0.7f);
    panel().get_next_button().activate();
    panel().get_previous_button().activate();
    EXPECT_FLOAT_EQ(m_device->m_gain->get_normalized_value(), 0.7f) << "nothing was loaded";
    EXPECT_EQ(presets().get_current_preset(), nullptr);
}

TEST_F(DeviceGuiFrameTest, SavingIntoASubfolderListsThePresetThereAndMakesItCurrent) {
    make({"a"});
    std::filesystem::create_directories(presets_path() / "Leads");
    m_platform->push_file_dialog_answer((presets_path() / "Leads" / "bright.preset").u16string());
    choose_from_menu(2); // "Save preset..."
    ASSERT_TRUE(std::filesystem::exists(presets_path() / "Leads" / "bright.preset"));
    const Tonekit::PresetRecord* current = presets().get_current_preset();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->get_folder()->get_name(), u"Leads");
    EXPECT_EQ(selector_items(), (std::vector<std::u16string>{u"*bright", u"a"}));
    EXPECT_EQ(panel().get_program_display().get_text(), u"bright");

    // Loading it back through the menu, with the value changed meanwhile.
    const float saved = m_device->m_gain->get_normalized_value();
    m_device->m_gain->set_normalized_value(saved + 0.25f);
    m_platform->push_file_dialog_answer((presets_path() / "Leads" / "bright.preset").u16string());
    choose_from_menu(1); // "Load preset..."
    EXPECT_FLOAT_EQ(m_device->m_gain->get_normalized_value(), saved);
}

TEST_F(DeviceGuiFrameTest, ClearPresetAsksAndKeepsTheNameOnYes) {
    make({"a"});
    presets().load_record(presets().get_preset(0));
    for (int answer : {Vexa::MessageBoxResult_NO, Vexa::MessageBoxResult_YES}) {
        m_device->m_gain->set_normalized_value(0.8f);
        m_device->m_shape->change_variation(m_device->m_shape->find_variation(2));
        m_platform->push_message_box_answer(answer);
        choose_from_menu(7); // "Clear preset"
        const bool cleared = answer == Vexa::MessageBoxResult_YES;
        EXPECT_FLOAT_EQ(m_device->m_gain->get_normalized_value(), cleared ? 0.25f : 0.8f);
        EXPECT_EQ(m_device->m_shape->get_current_variation()->m_id, cleared ? 1u : 2u);
        EXPECT_EQ(current_name(), u"a");
    }
}

TEST_F(DeviceGuiFrameTest, TheRefreshPacesItselfAndShowsAHostChunkAtOnce) {
    make();
    RecordingEditor& gain = *gui().m_gain;
    idle();
    ASSERT_FALSE(gain.m_shown.empty()) << "a new GUI shows everything once";
    gain.m_shown.clear();
    gui().m_shape->m_shown.clear();

    m_platform->advance_time(10);
    m_device->m_gain->set_normalized_value(0.5f);
    idle();
    EXPECT_TRUE(gain.m_shown.empty()) << "10 ms after the last refresh";
    m_platform->advance_time(40);
    idle();
    EXPECT_EQ(gain.m_shown, std::vector<float>{0.5f});
    EXPECT_TRUE(gui().m_shape->m_shown.empty()) << "only what changed";

    const std::vector<char> saved = get_chunk();
    m_device->m_gain->set_normalized_value(0.9f);
    gain.m_shown.clear();
    m_device->get_gui_refresh_queue().freeze();
    idle(); // the clock has not moved: due, but frozen
    EXPECT_TRUE(gain.m_shown.empty()) << "frozen";
    m_device->get_gui_refresh_queue().unfreeze();
    idle();
    EXPECT_EQ(gain.m_shown, std::vector<float>{0.9f});

    gain.m_shown.clear();
    m_platform->advance_time(10);
    set_chunk(saved);
    idle(); // 10 ms after the last refresh, but the chunk's unfreeze lets it run at once
    ASSERT_FALSE(gain.m_shown.empty());
    EXPECT_FLOAT_EQ(gain.m_shown.back(), 0.5f);
    EXPECT_FALSE(gui().m_shape->m_shown.empty()) << "a loaded state shows every parameter";
}

// Through the editor's window, as the pointer moves and clicks.
TEST_F(DeviceGuiFrameTest, TheMouseFindsTheEditorForTheLineAndOnlyVariedOnesOfferAMenu) {
    make();
    idle(); // the GUI starts following the desktop's input
    Vexa::NativeWindow& window = *plugin_editor().get_window()->get_native_window();
    const auto mouse = [&](Vexa::NativeEventType a_type, const Vexa::Widget& a_over, int a_button) {
        const Vexa::Rect rect = a_over.get_rect_in_desktop();
        Vexa::NativeEvent event;
        event.type = a_type;
        event.x = rect.x + rect.width / 2;
        event.y = rect.y + rect.height / 2;
        event.button = a_button;
        m_platform->send(window, event);
    };
    mouse(Vexa::NativeEventType::mouse_move, *gui().m_gain, 0);
    EXPECT_EQ(gui().get_hovered_parameter(), m_device->m_gain);
    EXPECT_EQ(panel().get_parameter_display().get_text(),
              u"Gain parameter name: value text longer than 15");
    mouse(Vexa::NativeEventType::mouse_move, panel().get_menu_button(), 0);
    EXPECT_EQ(gui().get_hovered_editor(), nullptr);
    EXPECT_EQ(panel().get_parameter_display().get_text(), u"");

    m_platform->push_popup_menu_answer({{}, 3}); // "Variations" 1, "Soft" 2, "Hard" 3
    mouse(Vexa::NativeEventType::button_down, *gui().m_shape, 2);
    mouse(Vexa::NativeEventType::button_up, *gui().m_shape, 2);
    EXPECT_EQ(m_device->m_shape->get_current_variation()->m_id, 2u);
    EXPECT_EQ(gui().get_context_parameter(), nullptr);
    EXPECT_FALSE(gui().open_context_menu(gui().m_gain)) << "a single variation offers nothing";
    EXPECT_FALSE(gui().open_context_menu(&panel())) << "not a parameter editor";
}

TEST_F(DeviceGuiFrameTest, AboutOpensOneWindowThatCloses) {
    make();
    choose_from_menu(10); // "About..."
    Tonekit::DeviceAboutWindow* about = panel().get_about_window();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->is_opened());
    EXPECT_EQ(about->get_title(), u"About");
    // Opened from a menu's command, the window takes its size and place once it is measured.
    const Vexa::Size size = about->get_preferred_size();
    EXPECT_GT(size.width, 100);
    EXPECT_EQ(about->get_width(), size.width);
    EXPECT_EQ(about->get_rect().x, (about->get_desktop()->get_width() - size.width) / 2);
    choose_from_menu(10);
    EXPECT_EQ(panel().get_about_window(), about) << "one at a time";
    about->close();
    idle();
    EXPECT_EQ(panel().get_about_window(), nullptr);
    choose_from_menu(10); // left open when the editor closes
    EXPECT_NE(panel().get_about_window(), nullptr);
}

TEST_F(DeviceGuiFrameTest, SettingsOpensOneWindowThatSavesTheDefaultsWhenTheEditorCloses) {
    make();
    choose_from_menu(9);
    Tonekit::DeviceSettingsWindow* window = panel().get_settings_window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->is_opened());
    EXPECT_EQ(window->get_title(), u"Settings");
    choose_from_menu(9);
    EXPECT_EQ(panel().get_settings_window(), window) << "one at a time";
    // It needs more room than an editor has: a top-level window of its own, fully shown.
    EXPECT_NE(window->get_desktop(), panel().get_desktop());
    EXPECT_EQ(window->get_desktop()->get_height(), window->get_height());
    for (unsigned slot : {0u, 7u})
        for (auto* settings : {&current(), &defaults()}) {
            EXPECT_NE(window->find_editor(settings->m_retrigger_channels[slot]), nullptr);
            EXPECT_NE(window->find_editor(settings->m_retrigger_keys[slot]), nullptr);
        }
    EXPECT_EQ(window->find_editor(current().m_smoothing), nullptr) << "not edited here";
    EXPECT_FALSE(std::filesystem::exists(settings_path()));
    dispatch(Vst::effEditClose); // goes with the editor, never asked to close
    EXPECT_TRUE(std::filesystem::exists(settings_path()));
}

TEST_F(DeviceGuiFrameTest, CurrentValuesActAtOnceAndClosingStoresTheDefaults) {
    make();
    step_choice(current().m_modulation_visualization, 1);
    EXPECT_EQ(m_device->m_modulation_visualization, Tonekit::Modvis_BELOW_MOUSE_CURSOR);
    settings().request_close();
    idle();
    EXPECT_EQ(panel().get_settings_window(), nullptr);
    ASSERT_TRUE(std::filesystem::exists(settings_path())) << "unchanged defaults are written too";
    EXPECT_EQ(new_instance_visualization(), Tonekit::Modvis_ALL);

    step_choice(defaults().m_modulation_visualization, 2);
    step_choice(defaults().m_retrigger_channels[3], 2);
    const int channel = defaults().m_retrigger_channels[3]->get_value();
    EXPECT_NE(channel, -1);
    EXPECT_EQ(m_device->m_modulation_visualization, Tonekit::Modvis_BELOW_MOUSE_CURSOR);
    settings().request_close();
    EXPECT_EQ(new_instance_visualization(), Tonekit::Modvis_NONE);
    FrameDevice reader(m_folder.path());
    reader.initialize();
    EXPECT_EQ(reader.get_instance_settings()->get_parameters().m_retrigger_channels[3]->get_value(),
              channel);
    reader.close();
}

TEST_F(DeviceGuiFrameTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowClosesAnyway) {
    make();
    // A folder in the file's place: no rename replaces it, whoever runs the test.
    std::filesystem::create_directories(settings_path() / "blocker");
    Tonekit::DeviceSettingsWindow* window = &settings();
    testing::internal::CaptureStderr();
    window->request_close();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: There was an error while saving default settings.\n");
    idle();
    EXPECT_EQ(panel().get_settings_window(), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(settings_path()));
}

} // namespace
