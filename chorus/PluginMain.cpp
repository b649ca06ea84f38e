// The module's one exported symbol.

#include "chorus/TheEffect.h"
#include "tonekit/vst/VstEntry.h"

#if TOLVAN_PLUGIN_GUI
#include "chorus/gui/ChorusStyles.h"
#include "chorus/gui/TheEffectWithEditor.h"
#include "tonekit/vst/PluginEditor.h"
#endif

extern "C" __attribute__((visibility("default"))) Vst::AEffect*
VSTPluginMain(Vst::HostCallback a_host) {
#if TOLVAN_PLUGIN_GUI
    return Tonekit::create_vst_effect<tolvanchorus::TheEffectWithEditor>(
        a_host, &tolvanchorus::load_style_sheet_at_start, &Tonekit::PluginEditor::create);
#else
    return Tonekit::create_vst_effect<tolvanchorus::TheEffect>(a_host);
#endif
}
