#include "tonekit/vst/AudioEffectX.h"

namespace Tonekit {

Vst::IntPtr AudioEffectX::dispatcher(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                                     void* a_pointer, float a_option) {
    char* text = static_cast<char*>(a_pointer);
    switch (a_opcode) {
    case Vst::effIdentify:
        return Vst::effect_identify_answer;
    case Vst::effProcessEvents:
        return a_pointer ? processEvents(static_cast<Vst::VstEvents*>(a_pointer)) : 0;
    case Vst::effCanBeAutomated:
        return canParameterBeAutomated(a_index) ? 1 : 0;
    case Vst::effGetPlugCategory:
        return getPlugCategory();
    case Vst::effGetEffectName:
        return text && getEffectName(text) ? 1 : 0;
    case Vst::effGetVendorString:
        return text && getVendorString(text) ? 1 : 0;
    case Vst::effGetProductString:
        return text && getProductString(text) ? 1 : 0;
    case Vst::effGetVendorVersion:
        return getVendorVersion();
    case Vst::effVendorSpecific:
        return vendorSpecific(a_index, a_value, a_pointer, a_option);
    case Vst::effCanDo:
        return text ? canDo(text) : 0;
    case Vst::effGetTailSize:
        return getTailSize();
    case Vst::effGetVstVersion:
        return getVstVersion();
    case Vst::effGetCurrentMidiProgram:
        return getCurrentMidiProgram();
    case Vst::effSetTotalSampleToProcess:
        return a_value;
    case Vst::effGetSpeakerArrangement:
        if (auto** input = reinterpret_cast<void**>(a_value))
            *input = nullptr;
        if (auto** output = static_cast<void**>(a_pointer))
            *output = nullptr;
        return 0;
    default:
        return AudioEffect::dispatcher(a_opcode, a_index, a_value, a_pointer, a_option);
    }
}

bool AudioEffectX::wantEvents(Vst::Int32 a_filter) {
    return call_host(Vst::audioMasterWantMidi, 0, a_filter) != 0;
}

Vst::VstTimeInfo* AudioEffectX::getTimeInfo(Vst::Int32 a_filter) {
    return reinterpret_cast<Vst::VstTimeInfo*>(call_host(Vst::audioMasterGetTime, 0, a_filter));
}

} // namespace Tonekit
