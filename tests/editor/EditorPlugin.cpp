// The editor tests' device behind the framework's adapter and the toolkit's editor, as a plug-in
// module that the tests and tolvan-host load through the VST 2.4 interface. With
// TOLVAN_TEST_CRITICAL_ERROR set the device starts with a critical error instead.

#include "tests/editor/EditorTestDevice.h"
#include "tonekit/vst/PluginEditor.h"
#include "tonekit/vst/VstEntry.h"

#include <cstdlib>

namespace {

class PluginDevice : public EditorTest::EditorTestDevice {
public:
    PluginDevice() : EditorTestDevice(std::filesystem::path()) {}
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
