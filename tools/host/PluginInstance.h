#pragma once
// One loaded plug-in, driven only through the VST 2.4 binary interface: the module is opened with
// dlopen, its VSTPluginMain is given the host callback, and the record it returns is checked
// before anything else touches it. The destructor shuts down in the order hosts use (mains off,
// effClose, then unloading the module), whatever state an error left the effect in.

#include "tonekit/vst/VstAbi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvanhost {

class PluginInstance {
public:
    // Loads a_path and opens the effect (VSTPluginMain, magic check, effOpen); a_host must be
    // the callback of a live HostContext. Throws HostError::runtime.
    PluginInstance(const std::string& a_path, Vst::HostCallback a_host);
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    const Vst::AEffect& record() const { return *m_effect; }
    Vst::AEffect* effect() { return m_effect; }

    Vst::IntPtr dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index = 0, Vst::IntPtr a_value = 0,
                         void* a_pointer = nullptr, float a_option = 0.0f);

    // A text the plug-in writes into a host buffer. The buffer is far larger than the interface's
    // limits because plug-ins overrun them; the read stops at the buffer's end.
    std::string query_text(Vst::Int32 a_opcode, Vst::Int32 a_index = 0);
    Vst::IntPtr can_do(const std::string& a_capability);

    void set_sample_rate(float a_rate);
    void set_block_size(int a_frames);
    void set_parameter(int a_index, float a_value);
    float get_parameter(int a_index);

    // effMainsChanged 1 / 0.
    void resume();
    void suspend();

    // effGetChunk (bank) copied out, and effSetChunk. Throw HostError::runtime when the
    // plug-in does not keep its state in chunks.
    std::vector<std::uint8_t> get_chunk();
    void set_chunk(const std::vector<std::uint8_t>& a_bytes);

    // Mains off, effClose; idempotent. The module stays loaded until destruction.
    void close();

private:
    void p_require_chunks() const;

    std::string m_path;
    void* m_module = nullptr;
    Vst::AEffect* m_effect = nullptr;
    bool m_open = false;
    bool m_suspended = false; // effMainsChanged 0 was the last mains call
};

} // namespace tolvanhost
