// The editor inside the process on the headless backend: the adapter's editor opcodes reach a
// PluginEditor over a device with a small GUI.

#include "tonekit/vst/PluginEditor.h"
#include "tests/editor/EditorTestDevice.h"
#include "tests/editor/HostedEditor.h"
#include "tonekit/Gui/DeviceGuiCriticalError.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Platform/Headless/HeadlessWindow.h"
#include "vexa/Window/SystemWindow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace {

using EditorTest::EditorTestDevice;
using EditorTest::TestGui;

std::vector<Vexa::Size> s_size_requests;

Vst::IntPtr sizing_host(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                        void*, float) {
    if (a_opcode == Vst::audioMasterVersion)
        return 2400;
    if (a_opcode == Vst::audioMasterSizeWindow) {
        s_size_requests.push_back({a_index, int(a_value)});
        return 1;
    }
    return 0;
}

void* const parent = reinterpret_cast<void*>(std::uintptr_t(0x4242));

class PluginEditorTest : public TonekitTest::HostedEditor {
protected:
    void SetUp() override {
        s_size_requests.clear();
        HostedEditor::SetUp();
    }
    void make(bool a_with_gui = true, bool a_critical = false) {
        auto device = std::make_unique<EditorTestDevice>(m_folder.path());
        m_device = device.get();
        m_device->m_with_gui = a_with_gui;
        m_device->initialize();
        if (a_critical)
            m_device->set_critical_error(Orvo::WString(u"Couldn't load style sheet."));
        adopt(std::move(device), &sizing_host);
    }
    Tonekit::PluginEditor& editor() { return plugin_editor(); }
    TestGui& gui() { return gui_as<TestGui>(); }
    Vexa::HeadlessWindow& native() {
        return *static_cast<Vexa::HeadlessWindow*>(editor().get_window()->get_native_window());
    }
    Vst::ERect rect() {
        Vst::ERect* pointer = nullptr;
        EXPECT_EQ(dispatch(Vst::effEditGetRect, 0, 0, &pointer), 1);
        return pointer ? *pointer : Vst::ERect{-1, -1, -1, -1};
    }

    TonekitTest::TemporaryFolder m_folder;
    EditorTestDevice* m_device = nullptr;
};

// getRect is 0 x 0 before open and the content's requested size after; opening twice makes one
// window and one GUI; close lets go of both, and the device's pointer with them.
TEST_F(PluginEditorTest, OpenOnceCloseAndReopen) {
    make();
    Vst::ERect* first = nullptr;
    dispatch(Vst::effEditGetRect, 0, 0, &first);
    EXPECT_EQ(first->right, 0);
    EXPECT_EQ(first->bottom, 0);
    const unsigned windows_before = Vexa::SystemWindow::get_created_count();
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    Vexa::SystemWindow* window = editor().get_window();
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    EXPECT_EQ(editor().get_window(), window);
    EXPECT_EQ(Vexa::SystemWindow::get_created_count(), windows_before + 1);
    EXPECT_EQ(m_device->m_guis_made, 1);
    EXPECT_EQ(m_device->get_gui(), editor().get_gui());
    EXPECT_EQ(native().get_options().foreign_parent, 0x4242u);
    EXPECT_EQ(native().get_client_rect().width, 360);
    Vst::ERect* open = nullptr;
    dispatch(Vst::effEditGetRect, 0, 0, &open);
    EXPECT_EQ(open, first) << "the host gets the editor's own rectangle";
    EXPECT_EQ((std::array<int, 4>{open->top, open->left, open->bottom, open->right}),
              (std::array<int, 4>{0, 0, 200, 360}));
    dispatch(Vst::effEditIdle);
    dispatch(Vst::effEditIdle);
    EXPECT_EQ(gui().m_refreshes, 2);

    dispatch(Vst::effEditClose);
    EXPECT_EQ(editor().get_window(), nullptr);
    EXPECT_EQ(m_device->get_gui(), nullptr);
    EXPECT_EQ(rect().right, 0);
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    EXPECT_EQ(m_device->m_guis_made, 2);
}

TEST_F(PluginEditorTest, KeysReachTheGuiAsKeysOrAsText) {
    make();
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    struct Case {
        Vst::Int32 character;
        unsigned char virt;
        unsigned char modifier;
        std::vector<Vexa::KeyCode> keys;
        std::u16string text;
        Vst::IntPtr handled;
    };
    const Case cases[] = {
        {'a', 0, 0, {Vexa::KeyCode_A}, u"", 1},                     // a..z are the letter keys
        {'Q', 0, 0, {Vexa::KeyCode(Vexa::KeyCode_A + 16)}, u"", 1}, // Q
        {0, 57, 0, {}, u"", 0},                     // equals: code 0, no character, nothing
        {'=', 57, 0, {}, u"=", 1},                  // equals: only tried as text
        {'.', 0, 0, {}, u".", 1},                   // 46 is Delete's number too: typed only
        {0, 24, 0, {}, u"0", 1},                    // numeric pad 0: no taker, typed
        {0, 35, 0, {}, u"+", 1},                    // add
        {0, 7, 0, {}, u" ", 1},                     // space
        {0, 11, 0, {}, u"", 0},                     // left: nobody takes it, nothing to type
        {'7', 0, Vst::MODIFIER_SHIFT, {}, u"7", 1}, // a digit typed by the host
    };
    for (const Case& c : cases) {
        gui().m_keys.clear();
        gui().m_text.clear();
        EXPECT_EQ(dispatch(Vst::effEditKeyDown, c.character, c.virt, nullptr, float(c.modifier)),
                  c.handled)
            << "character " << c.character << " virt " << int(c.virt);
        EXPECT_EQ(gui().m_keys, c.keys) << "character " << c.character << " virt " << int(c.virt);
        EXPECT_EQ(gui().m_text, c.text) << "character " << c.character << " virt " << int(c.virt);
    }
    EXPECT_EQ(Tonekit::PluginEditor::windows_key_of_vst_key(58), 0u);
}

TEST_F(PluginEditorTest, ContentSizeChangesAskTheHostForTheNearestAllowedSize) {
    make();
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    struct Case {
        Vexa::Size parent, minimum, maximum;
        std::optional<Vexa::Size> request;
    };
    const Case cases[] = {
        {{100, 50}, {300, 150}, {700, 350}, Vexa::Size{300, 150}},
        {{1000, 900}, {300, 150}, {699, 349}, Vexa::Size{699, 349}},
        {{1000, 200}, {300, 160}, {698, 348}, Vexa::Size{698, 200}},
        {{500, 300}, {300, 170}, {697, 347}, std::nullopt},
    };
    for (const Case& c : cases) {
        s_size_requests.clear();
        native().set_parent_size(c.parent);
        gui().set_sizes(c.minimum.width, c.maximum.width, 400, c.minimum.height, c.maximum.height,
                        250);
        editor().get_window()->get_desktop()->flush();
        EXPECT_EQ(s_size_requests.size(), c.request ? 1u : 0u) << c.parent.width;
        if (c.request && !s_size_requests.empty()) {
            EXPECT_EQ(s_size_requests[0], *c.request) << c.parent.width;
            EXPECT_EQ(native().get_client_rect().width, c.request->width);
        }
    }
}

// Which GUI the editor shows, and whether the host is offered an editor at all.
TEST_F(PluginEditorTest, CriticalErrorGuiOrTheDevicesOwnOrNone) {
    for (auto [with_gui, critical] : {std::pair{true, true}, {false, false}}) {
        if (m_adapter)
            dispatch(Vst::effClose);
        Vexa::Application::acquire();
        Vexa::Toolkit::install(std::make_unique<Vexa::HeadlessPlatform>());
        make(with_gui, critical);
        EXPECT_EQ(m_adapter->getAeffect()->flags & Vst::effFlagsHasEditor, with_gui ? 1 : 0);
        EXPECT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), critical ? 1 : 0);
        auto* shown = dynamic_cast<Tonekit::DeviceGuiCriticalError*>(editor().get_gui());
        EXPECT_EQ(shown != nullptr, critical);
        EXPECT_EQ(m_device->m_guis_made, 0);
        if (!shown)
            continue;
        EXPECT_EQ(shown->get_message(), u"Couldn't load style sheet.");
        EXPECT_GT(rect().right, 0);
        EXPECT_THROW(m_device->create_gui(), Orvo::Exception) << "a second GUI";
    }
}

TEST_F(PluginEditorTest, WheelCallTurnsTheWheelUnderTheMouse) {
    make();
    const Vst::Int32 index = Vst::vendor_specific_wheel_index;
    const Vst::IntPtr value = Vst::vendor_specific_wheel_value;
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, value, nullptr, 1.0f), 1) << "closed";
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    native().set_cursor_position(40, 50);
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, value, nullptr, -1.5f), 1);
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, value + 1, nullptr, 1.0f), 0);
    EXPECT_EQ(gui().m_wheel, std::vector<int>{-180});
    EXPECT_EQ(gui().m_wheel_x, 40);
    EXPECT_EQ(gui().m_wheel_y, 50);
}

} // namespace

namespace {

// The PNG's size from its header; {-1, -1} when the file is missing or no PNG.
std::pair<int, int> png_size(const std::string& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    unsigned char header[24] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header) || header[1] != 'P')
        return {-1, -1};
    const auto word = [&](int a_at) {
        return int(header[a_at]) << 24 | int(header[a_at + 1]) << 16 | int(header[a_at + 2]) << 8 |
               int(header[a_at + 3]);
    };
    return {word(16), word(20)};
}

} // namespace

// Closed, the picture comes from a GUI made for the moment and gone again; open, it is the open
// window at its current size, which stays open. The process's toolkit stays where it was.
TEST_F(PluginEditorTest, SnapshotCallPicturesTheEditorOpenOrClosed) {
    make();
    const Vst::Int32 index = Vst::vendor_specific_wheel_index;
    const Vst::IntPtr snap = Vst::vendor_specific_snapshot_value;
    Vexa::Application::Part* toolkit = Vexa::Application::get()->get_part();
    const std::string path = (m_folder.path() / "editor.png").string();
    std::string folder_path = (m_folder.path() / "missing" / "editor.png").string();
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, snap, nullptr), 0);
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, snap, folder_path.data()), 0);
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, snap, const_cast<char*>(path.c_str())), 1);
    EXPECT_EQ(png_size(path), std::pair(360, 200));
    EXPECT_EQ(editor().get_window(), nullptr);
    EXPECT_TRUE(s_size_requests.empty()) << "the host's window is not the picture's";

    // The device makes one GUI at a time: the picture's must be gone for this one.
    ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, parent), 1);
    editor().get_window()->set_client_size(500, 300);
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, snap, const_cast<char*>(path.c_str())), 1);
    EXPECT_EQ(png_size(path), std::pair(500, 300));
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, index, Vst::vendor_specific_repaint_value), 1);
    EXPECT_NE(editor().get_window(), nullptr);
    EXPECT_EQ(Vexa::Application::get()->get_part(), toolkit);
}
