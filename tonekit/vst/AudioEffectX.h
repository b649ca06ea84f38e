#pragma once
// The VST 2.4 extensions: events, texts describing the effect, capabilities and time info.

#include "tonekit/vst/AudioEffect.h"

namespace Tonekit {

class AudioEffectX : public AudioEffect {
public:
    using AudioEffect::AudioEffect;

    Vst::IntPtr dispatcher(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                           void* a_pointer, float a_option) override;

    virtual Vst::Int32 processEvents(Vst::VstEvents*) { return 0; }
    virtual bool canParameterBeAutomated(Vst::Int32) { return false; }
    virtual Vst::Int32 getPlugCategory() { return Vst::kPlugCategUnknown; }
    virtual bool getEffectName(char*) { return false; }
    virtual bool getVendorString(char*) { return false; }
    virtual bool getProductString(char*) { return false; }
    virtual Vst::Int32 getVendorVersion() { return 0; }
    virtual Vst::IntPtr vendorSpecific(Vst::Int32, Vst::IntPtr, void*, float) { return 0; }
    // 1 yes, -1 no, 0 don't know.
    virtual Vst::Int32 canDo(char*) { return 0; }
    virtual Vst::Int32 getTailSize() { return 0; }
    virtual Vst::Int32 getVstVersion() { return 2400; }
    virtual Vst::Int32 getCurrentMidiProgram() { return -1; }

    // Calls on the host.
    bool wantEvents(Vst::Int32 a_filter = 1);
    // Null when the host gives no time info.
    Vst::VstTimeInfo* getTimeInfo(Vst::Int32 a_filter);
    void setUniqueID(Vst::Int32 a_id) { m_effect.uniqueID = a_id; }
    void setNumInputs(Vst::Int32 a_count) { m_effect.numInputs = a_count; }
    void setNumOutputs(Vst::Int32 a_count) { m_effect.numOutputs = a_count; }
    void setFlag(Vst::Int32 a_flag, bool a_on) {
        m_effect.flags = a_on ? (m_effect.flags | a_flag) : (m_effect.flags & ~a_flag);
    }
};

} // namespace Tonekit
