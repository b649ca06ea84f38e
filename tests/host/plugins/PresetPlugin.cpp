// A plug-in of the device framework for the preset tests of the host: the preset tests' device
// behind the framework's own VST 2.4 adapter, so that chunks and presets go through the real
// preset manager. Its data folder follows $XDG_DATA_HOME like any plug-in's.

#include "tests/tonekit/PresetTestDevice.h"
#include "tonekit/vst/VstEntry.h"

namespace {

class PluginDevice : public TonekitTest::PresetTestDevice {
public:
    PluginDevice() : PresetTestDevice({}) {}
};

} // namespace

extern "C" __attribute__((visibility("default"))) Vst::AEffect*
VSTPluginMain(Vst::HostCallback a_host) {
    return Tonekit::create_vst_effect<PluginDevice>(a_host);
}
