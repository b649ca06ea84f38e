// The module's one exported symbol.

#include "chorus/TheEffect.h"
#include "tonekit/vst/VstEntry.h"

extern "C" __attribute__((visibility("default"))) Vst::AEffect*
VSTPluginMain(Vst::HostCallback a_host) {
    return Tonekit::create_vst_effect<tolvanchorus::TheEffect>(a_host);
}
