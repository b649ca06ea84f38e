// The editor tests' device behind the framework's adapter and the toolkit's editor, as a plug-in
// module that the tests and tolvan-host load through the VST 2.4 interface. With
// TOLVAN_TEST_CRITICAL_ERROR set the device starts with a critical error instead; with
// TOLVAN_TEST_HOLD_PROCESSING=MS its GUI holds the processing lock for MS milliseconds on every
// refresh, as an editor that rebuilds the signal path would, so that audio blocks come out
// silenced.

#include "tests/editor/EditorTestDevice.h"
#include "tonekit/vst/PluginEditor.h"
#include "tonekit/vst/VstEntry.h"

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

class HoldingGui : public EditorTest::TestGui {
public:
    HoldingGui(Tonekit::Device& a_device, int a_milliseconds)
        : TestGui(a_device), m_milliseconds(a_milliseconds) {}
    void refresh() override {
        TestGui::refresh();
        std::lock_guard processing(get_device().processing_lock());
        std::this_thread::sleep_for(std::chrono::milliseconds(m_milliseconds));
    }

private:
    int m_milliseconds;
};

class PluginDevice : public EditorTest::EditorTestDevice {
public:
    PluginDevice() : EditorTestDevice(std::filesystem::path()) {}
    Tonekit::DeviceGui* create_gui_object() override {
        const char* hold = std::getenv("TOLVAN_TEST_HOLD_PROCESSING");
        if (!hold || std::atoi(hold) <= 0)
            return EditorTestDevice::create_gui_object();
        ++m_guis_made;
        return new HoldingGui(*this, std::atoi(hold));
    }
};

void start_up(Tonekit::Device& a_device) {
    if (const char* critical = std::getenv("TOLVAN_TEST_CRITICAL_ERROR"); critical && *critical)
        a_device.set_critical_error(Orvo::WString(u"Couldn't load style sheet."));
}

} // namespace

extern "C" __attribute__((visibility("default"))) Vst::AEffect*
VSTPluginMain(Vst::HostCallback a_host) {
    return Tonekit::create_vst_effect<PluginDevice>(a_host, &start_up,
                                                    &Tonekit::PluginEditor::create);
}
