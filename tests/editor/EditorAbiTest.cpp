// The editor through the VST 2.4 interface only, as Linux hosts drive it: parent windows of the
// host's own X connection, editor calls from threads other than the loader's while audio runs,
// several instances at once, and a parent destroyed before the editor is closed.

#include "tonekit/vst/VstAbi.h"

// Before Xlib, whose None macro would break it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

Vst::IntPtr host_callback(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*,
                          float) {
    return a_opcode == Vst::audioMasterVersion ? 2400 : 0;
}

class Module {
public:
    explicit Module(const char* a_path) : m_handle(dlopen(a_path, RTLD_NOW | RTLD_LOCAL)) {
        if (m_handle)
            m_main = reinterpret_cast<Vst::PluginMain>(dlsym(m_handle, "VSTPluginMain"));
    }
    ~Module() {
        if (m_handle)
            dlclose(m_handle);
    }
    Vst::AEffect* create() const {
        Vst::AEffect* effect = m_main ? m_main(host_callback) : nullptr;
        if (effect) {
            dispatch(effect, Vst::effOpen);
            dispatch(effect, Vst::effSetSampleRate, 0, 0, nullptr, 48000.0f);
            dispatch(effect, Vst::effSetBlockSize, 0, 256);
            dispatch(effect, Vst::effMainsChanged, 0, 1);
        }
        return effect;
    }
    static Vst::IntPtr dispatch(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index = 0,
                                Vst::IntPtr a_value = 0, void* a_pointer = nullptr,
                                float a_option = 0.0f) {
        return a_effect->dispatcher(a_effect, a_opcode, a_index, a_value, a_pointer, a_option);
    }
    static void destroy(Vst::AEffect* a_effect) {
        dispatch(a_effect, Vst::effMainsChanged, 0, 0);
        dispatch(a_effect, Vst::effClose);
    }

private:
    void* m_handle;
    Vst::PluginMain m_main = nullptr;
};

int s_host_errors = 0;
int count_host_error(Display*, XErrorEvent*) {
    ++s_host_errors;
    return 0;
}

// The host's side: its own connection and parent windows.
class EditorAbiTest : public testing::Test {
protected:
    void SetUp() override {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            GTEST_SKIP() << "no X display";
        Vst::AEffect* probe = m_module.create();
        ASSERT_TRUE(probe != nullptr) << TEST_EDITOR_PLUGIN;
        Module::destroy(probe);
    }
    void TearDown() override {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Window make_parent() {
        const Window window =
            XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 400, 300, 0, 0, 0);
        XMapWindow(m_display, window);
        XSync(m_display, False);
        return window;
    }
    unsigned children(Window a_window) {
        XSync(m_display, False);
        Window root = 0;
        Window parent = 0;
        Window* list = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, a_window, &root, &parent, &list, &count))
            return ~0u;
        if (list)
            XFree(list);
        return count;
    }
    // Opens, idles a_idles times and closes; true when every step looked right.
    bool run_editor(Vst::AEffect* a_effect, Window a_parent, int a_idles) {
        void* parent = reinterpret_cast<void*>(a_parent);
        if (Module::dispatch(a_effect, Vst::effEditOpen, 0, 0, parent) != 1)
            return false;
        Vst::ERect* rect = nullptr;
        Module::dispatch(a_effect, Vst::effEditGetRect, 0, 0, &rect);
        const bool sized = rect && rect->right == 360 && rect->bottom == 200;
        for (int i = 0; i < a_idles; ++i) {
            Module::dispatch(a_effect, Vst::effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        Module::dispatch(a_effect, Vst::effEditClose);
        return sized;
    }

    Module m_module{TEST_EDITOR_PLUGIN};
    Display* m_display = nullptr;
};

TEST_F(EditorAbiTest, EditorsOnTheirOwnThreadsWhileAudioRunsOnAnother) {
    Vst::AEffect* first = m_module.create();
    Vst::AEffect* second = m_module.create();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->flags & Vst::effFlagsHasEditor, 0);
    const Window parents[2] = {make_parent(), make_parent()};
    // The test's own connection stays on this thread; the editor threads use the plug-in only.
    std::atomic<bool> stop{false};
    std::atomic<long> blocks{0};
    std::thread audio([&] {
        std::vector<float> in(256, 0.5f), left(256), right(256);
        float* inputs[2] = {in.data(), in.data()};
        float* outputs[2] = {left.data(), right.data()};
        while (!stop) {
            first->processReplacing(first, inputs, outputs, 256);
            second->processReplacing(second, inputs, outputs, 256);
            ++blocks;
        }
    });
    std::atomic<int> good{0};
    {
        std::vector<std::thread> editors;
        for (int i = 0; i < 2; ++i)
            editors.emplace_back([&, i] {
                Vst::AEffect* effect = i == 0 ? first : second;
                for (int round = 0; round < 5; ++round)
                    good += run_editor(effect, parents[i], 10) ? 1 : 0;
            });
        for (std::thread& editor : editors)
            editor.join();
    }
    stop = true;
    audio.join();
    EXPECT_EQ(good, 10);
    EXPECT_GT(blocks, 0);
    EXPECT_EQ(children(parents[0]), 0u);
    EXPECT_EQ(children(parents[1]), 0u);
    Module::destroy(first);
    Module::destroy(second);
}

TEST_F(EditorAbiTest, ParentDestroyedBeforeCloseHarmsNeitherHostNorItsErrorHandler) {
    const XErrorHandler previous = XSetErrorHandler(&count_host_error);
    s_host_errors = 0;
    Vst::AEffect* effect = m_module.create();
    for (bool idle_between : {true, false}) {
        const Window parent = make_parent();
        ASSERT_EQ(Module::dispatch(effect, Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(parent)),
                  1);
        Module::dispatch(effect, Vst::effEditIdle);
        XDestroyWindow(m_display, parent);
        XSync(m_display, False);
        if (idle_between)
            for (int i = 0; i < 3; ++i)
                Module::dispatch(effect, Vst::effEditIdle);
        Module::dispatch(effect, Vst::effEditClose);
        // And the editor opens again in the next window the host gives.
        const Window next = make_parent();
        EXPECT_EQ(Module::dispatch(effect, Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(next)),
                  1);
        EXPECT_EQ(children(next), 1u);
        Module::dispatch(effect, Vst::effEditClose);
    }
    Module::destroy(effect);
    EXPECT_EQ(s_host_errors, 0) << "the plug-in's X errors never reach the host";
    // The host's handler is still the one in place and still hears the host's own errors.
    XMapWindow(m_display, Window(0x7FFFFFF0));
    XSync(m_display, False);
    EXPECT_EQ(s_host_errors, 1);
    EXPECT_EQ(XSetErrorHandler(previous), &count_host_error);
}

TEST_F(EditorAbiTest, HundredOpenCloseCyclesAndACloseWithTheEditorOpenLeaveNoWindow) {
    Vst::AEffect* effect = m_module.create();
    const Window parent = make_parent();
    int opened = 0;
    for (int i = 0; i < 100; ++i) {
        opened +=
            int(Module::dispatch(effect, Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(parent)));
        Module::dispatch(effect, Vst::effEditIdle);
        Module::dispatch(effect, Vst::effEditClose);
    }
    EXPECT_EQ(opened, 100);
    EXPECT_EQ(children(parent), 0u);
    // A host may close the effect with its editor still open.
    ASSERT_EQ(Module::dispatch(effect, Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
    Module::destroy(effect);
    EXPECT_EQ(children(parent), 0u);
}

TEST_F(EditorAbiTest, TheChorusOffersItsEditorAndOpensItAtItsOwnSize) {
    Module chorus(TOLVAN_PLUGIN_PATH);
    Vst::AEffect* effect = chorus.create();
    ASSERT_NE(effect, nullptr);
    EXPECT_NE(effect->flags & Vst::effFlagsHasEditor, 0);
    const Window parent = make_parent();
    ASSERT_EQ(Module::dispatch(effect, Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
    Vst::ERect* rect = nullptr;
    Module::dispatch(effect, Vst::effEditGetRect, 0, 0, &rect);
    ASSERT_NE(rect, nullptr);
    // Every voice column and the mix row need room; a collapsed layout would be far smaller.
    EXPECT_GT(rect->right, 700);
    EXPECT_GT(rect->bottom, 300);
    for (int i = 0; i < 5; ++i)
        Module::dispatch(effect, Vst::effEditIdle);
    EXPECT_EQ(children(parent), 1u);
    Module::dispatch(effect, Vst::effEditClose);
    EXPECT_EQ(children(parent), 0u);
    Module::destroy(effect);
}

} // namespace

namespace {

Vst::IntPtr editor_call(Vst::AEffect* a_effect, Vst::IntPtr a_value, const std::string& a_path) {
    return Module::dispatch(a_effect, Vst::effVendorSpecific, Vst::vendor_specific_wheel_index,
                            a_value, const_cast<char*>(a_path.c_str()));
}

} // namespace

// A picture taken before any editor was open borrows the headless backend for itself only: the
// editor opened afterwards is still a child window of the host's, and can be pictured and
// repainted while open, and pictured again once closed.
TEST_F(EditorAbiTest, SnapshotBeforeTheFirstOpenLeavesTheDisplayToTheEditor) {
    Vst::AEffect* effect = m_module.create();
    const std::string path = testing::TempDir() + "editor-abi-snapshot.png";
    EXPECT_EQ(editor_call(effect, Vst::vendor_specific_snapshot_value, path), 1);
    EXPECT_EQ(editor_call(effect, Vst::vendor_specific_repaint_value, ""), 0) << "closed";
    const Window parent = make_parent();
    ASSERT_EQ(Module::dispatch(effect, Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
    EXPECT_EQ(children(parent), 1u);
    EXPECT_EQ(editor_call(effect, Vst::vendor_specific_repaint_value, ""), 1);
    std::remove(path.c_str());
    EXPECT_EQ(editor_call(effect, Vst::vendor_specific_snapshot_value, path), 1);
    EXPECT_EQ(std::remove(path.c_str()), 0) << "written while open";
    Module::dispatch(effect, Vst::effEditClose);
    // Closed again, the picture is made on the display's toolkit: in a window never shown and
    // gone afterwards.
    const unsigned top_level = children(DefaultRootWindow(m_display));
    EXPECT_EQ(editor_call(effect, Vst::vendor_specific_snapshot_value, path), 1);
    EXPECT_EQ(std::remove(path.c_str()), 0) << "written while closed";
    EXPECT_EQ(children(DefaultRootWindow(m_display)), top_level);
    EXPECT_EQ(children(parent), 0u);
    Module::destroy(effect);
    XDestroyWindow(m_display, parent);
}
