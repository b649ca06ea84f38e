#pragma once
// The plug-in side of the VST 2.4 interface: the effect record the host holds, the static
// trampolines it calls through, and the opcodes every effect answers. Extended opcodes are
// AudioEffectX's. Entry points that the host calls catch every exception: nothing may unwind into
// a host.

#include "tonekit/vst/AEffEditor.h"
#include "tonekit/vst/VstAbi.h"

#include <memory>

namespace Tonekit {

class AudioEffect {
public:
    AudioEffect(Vst::HostCallback a_host, Vst::Int32 a_program_count, Vst::Int32 a_parameter_count);
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;
    virtual ~AudioEffect();

    Vst::AEffect* getAeffect() noexcept { return &m_effect; }
    AEffEditor* getEditor() const noexcept { return m_editor.get(); }
    // Takes the editor; the effect deletes it last, after everything of the derived class.
    void setEditor(std::unique_ptr<AEffEditor> a_editor) noexcept {
        m_editor = std::move(a_editor);
    }

    virtual Vst::IntPtr dispatcher(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                                   void* a_pointer, float a_option);
    virtual void setParameter(Vst::Int32, float) {}
    virtual float getParameter(Vst::Int32) { return 0.0f; }
    virtual void processReplacing(float** a_inputs, float** a_outputs, Vst::Int32 a_frames) = 0;
    virtual void processDoubleReplacing(double**, double**, Vst::Int32) {}
    // The accumulating form is deprecated; hosts that still call it get nothing added.
    virtual void process(float**, float**, Vst::Int32) {}

    virtual void open() {}
    virtual void close() {}
    virtual void setProgram(Vst::Int32) {}
    virtual Vst::Int32 getProgram() { return 0; }
    virtual void setProgramName(char*) {}
    virtual void getProgramName(char* a_name) { *a_name = 0; }
    virtual void getParameterLabel(Vst::Int32, char* a_label) { *a_label = 0; }
    virtual void getParameterDisplay(Vst::Int32, char* a_text) { *a_text = 0; }
    virtual void getParameterName(Vst::Int32, char* a_text) { *a_text = 0; }
    virtual void setSampleRate(float a_rate) { m_sample_rate = a_rate; }
    virtual void setBlockSize(Vst::Int32 a_size) { m_block_size = a_size; }
    virtual void suspend() {}
    virtual void resume() {}
    virtual Vst::Int32 getChunk(void** a_data, bool) {
        *a_data = nullptr;
        return 0;
    }
    virtual Vst::Int32 setChunk(void*, Vst::Int32, bool) { return 0; }

    // Calls on the host. Each answers 0 when the host gave no callback.
    Vst::IntPtr call_host(Vst::Int32 a_opcode, Vst::Int32 a_index = 0, Vst::IntPtr a_value = 0,
                          void* a_pointer = nullptr, float a_option = 0.0f);
    void setParameterAutomated(Vst::Int32 a_index, float a_value);
    bool beginEdit(Vst::Int32 a_index);
    bool endEdit(Vst::Int32 a_index);

protected:
    Vst::HostCallback m_host;
    float m_sample_rate = 44100.0f;
    Vst::Int32 m_block_size = 1024;
    Vst::AEffect m_effect{};

private:
    // Declared after the record: members go in reverse order, and the editor must go last of all.
    std::unique_ptr<AEffEditor> m_editor;

    static Vst::IntPtr s_dispatch(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index,
                                  Vst::IntPtr a_value, void* a_pointer, float a_option);
    static void s_process(Vst::AEffect* a_effect, float** a_inputs, float** a_outputs,
                          Vst::Int32 a_frames);
    static void s_process_replacing(Vst::AEffect* a_effect, float** a_inputs, float** a_outputs,
                                    Vst::Int32 a_frames);
    static void s_process_double_replacing(Vst::AEffect* a_effect, double** a_inputs,
                                           double** a_outputs, Vst::Int32 a_frames);
    static void s_set_parameter(Vst::AEffect* a_effect, Vst::Int32 a_index, float a_value);
    static float s_get_parameter(Vst::AEffect* a_effect, Vst::Int32 a_index);
};

} // namespace Tonekit
