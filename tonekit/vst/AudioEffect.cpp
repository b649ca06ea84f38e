#include "tonekit/vst/AudioEffect.h"

#include <cstring>

namespace Tonekit {
namespace {
AudioEffect* p_object(Vst::AEffect* a_effect) {
    return a_effect ? static_cast<AudioEffect*>(a_effect->object) : nullptr;
}
} // namespace

AudioEffect::AudioEffect(Vst::HostCallback a_host, Vst::Int32 a_program_count,
                         Vst::Int32 a_parameter_count)
    : m_host(a_host) {
    m_effect.magic = Vst::effect_magic;
    m_effect.dispatcher = s_dispatch;
    m_effect.process = s_process;
    m_effect.setParameter = s_set_parameter;
    m_effect.getParameter = s_get_parameter;
    m_effect.numPrograms = a_program_count;
    m_effect.numParams = a_parameter_count;
    m_effect.numInputs = 1;
    m_effect.numOutputs = 2;
    m_effect.flags = 0;
    m_effect.ioRatio = 1.0f;
    m_effect.object = this;
    m_effect.version = 1;
    m_effect.processReplacing = s_process_replacing;
    m_effect.processDoubleReplacing = s_process_double_replacing;
}

AudioEffect::~AudioEffect() = default;

Vst::IntPtr AudioEffect::dispatcher(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                                    void* a_pointer, float a_option) {
    char* text = static_cast<char*>(a_pointer);
    switch (a_opcode) {
    case Vst::effOpen:
        open();
        return 0;
    case Vst::effClose:
        close();
        return 0;
    case Vst::effSetProgram:
        setProgram(Vst::Int32(a_value));
        return 0;
    case Vst::effGetProgram:
        return getProgram();
    case Vst::effSetProgramName:
        if (text)
            setProgramName(text);
        return 0;
    case Vst::effGetProgramName:
        if (text)
            getProgramName(text);
        return 0;
    case Vst::effGetParamLabel:
        if (text)
            getParameterLabel(a_index, text);
        return 0;
    case Vst::effGetParamDisplay:
        if (text)
            getParameterDisplay(a_index, text);
        return 0;
    case Vst::effGetParamName:
        if (text)
            getParameterName(a_index, text);
        return 0;
    case Vst::effSetSampleRate:
        setSampleRate(a_option);
        return 0;
    case Vst::effSetBlockSize:
        setBlockSize(Vst::Int32(a_value));
        return 0;
    case Vst::effMainsChanged:
        if (a_value)
            resume();
        else
            suspend();
        return 0;
    case Vst::effGetChunk:
        return a_pointer ? getChunk(static_cast<void**>(a_pointer), a_index != 0) : 0;
    case Vst::effSetChunk:
        return setChunk(a_pointer, Vst::Int32(a_value), a_index != 0);
    case Vst::effEditGetRect:
        return m_editor && a_pointer ? m_editor->getRect(static_cast<Vst::ERect**>(a_pointer)) : 0;
    case Vst::effEditOpen:
        return m_editor ? m_editor->open(a_pointer) : 0;
    case Vst::effEditClose:
        if (m_editor)
            m_editor->close();
        return 0;
    case Vst::effEditIdle:
        if (m_editor)
            m_editor->idle();
        return 0;
    case Vst::effEditKeyDown:
    case Vst::effEditKeyUp: {
        if (!m_editor)
            return 0;
        Vst::VstKeyCode key{a_index, static_cast<unsigned char>(a_value),
                            static_cast<unsigned char>(a_option)};
        return a_opcode == Vst::effEditKeyDown ? m_editor->onKeyDown(key) : m_editor->onKeyUp(key);
    }
    case Vst::effSetEditKnobMode:
        return m_editor ? m_editor->setKnobMode(Vst::Int32(a_value)) : 0;
    default:
        return 0;
    }
}

Vst::IntPtr AudioEffect::call_host(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                                   void* a_pointer, float a_option) {
    return m_host ? m_host(&m_effect, a_opcode, a_index, a_value, a_pointer, a_option) : 0;
}

void AudioEffect::setParameterAutomated(Vst::Int32 a_index, float a_value) {
    setParameter(a_index, a_value);
    call_host(Vst::audioMasterAutomate, a_index, 0, nullptr, a_value);
}

bool AudioEffect::beginEdit(Vst::Int32 a_index) {
    return call_host(Vst::audioMasterBeginEdit, a_index) != 0;
}

bool AudioEffect::endEdit(Vst::Int32 a_index) {
    return call_host(Vst::audioMasterEndEdit, a_index) != 0;
}

Vst::IntPtr AudioEffect::s_dispatch(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index,
                                    Vst::IntPtr a_value, void* a_pointer, float a_option) {
    AudioEffect* object = p_object(a_effect);
    if (!object)
        return 0;
    Vst::IntPtr result = 0;
    try {
        result = object->dispatcher(a_opcode, a_index, a_value, a_pointer, a_option);
    } catch (...) {
        result = 0;
    }
    if (a_opcode == Vst::effClose) {
        // The record lives inside the object: after this the host must not touch it again.
        a_effect->object = nullptr;
        try {
            delete object;
        } catch (...) {
        }
        return 1;
    }
    return result;
}

void AudioEffect::s_process(Vst::AEffect* a_effect, float** a_inputs, float** a_outputs,
                            Vst::Int32 a_frames) {
    if (AudioEffect* object = p_object(a_effect))
        try {
            object->process(a_inputs, a_outputs, a_frames);
        } catch (...) {
        }
}

void AudioEffect::s_process_replacing(Vst::AEffect* a_effect, float** a_inputs, float** a_outputs,
                                      Vst::Int32 a_frames) {
    if (AudioEffect* object = p_object(a_effect))
        try {
            object->processReplacing(a_inputs, a_outputs, a_frames);
        } catch (...) {
        }
}

void AudioEffect::s_process_double_replacing(Vst::AEffect* a_effect, double** a_inputs,
                                             double** a_outputs, Vst::Int32 a_frames) {
    if (AudioEffect* object = p_object(a_effect))
        try {
            object->processDoubleReplacing(a_inputs, a_outputs, a_frames);
        } catch (...) {
        }
}

void AudioEffect::s_set_parameter(Vst::AEffect* a_effect, Vst::Int32 a_index, float a_value) {
    if (AudioEffect* object = p_object(a_effect))
        try {
            object->setParameter(a_index, a_value);
        } catch (...) {
        }
}

float AudioEffect::s_get_parameter(Vst::AEffect* a_effect, Vst::Int32 a_index) {
    if (AudioEffect* object = p_object(a_effect))
        try {
            return object->getParameter(a_index);
        } catch (...) {
        }
    return 0.0f;
}

} // namespace Tonekit
