#pragma once
// Loads the built plug-in the way a host does: dlopen, VSTPluginMain, the effect record.

#include "tonekit/vst/VstAbi.h"

#include <dlfcn.h>

#include <string>
#include <vector>

namespace PluginTest {

// What the plug-in asked of the host, and what the host answers.
struct HostState {
    Vst::IntPtr m_version = 2400;
    std::vector<Vst::Int32> m_opcodes;
    Vst::VstTimeInfo m_time{};
};

HostState& host_state();
Vst::IntPtr host_callback(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index,
                          Vst::IntPtr a_value, void* a_pointer, float a_option);

class LoadedPlugin {
public:
    LoadedPlugin();
    ~LoadedPlugin();
    Vst::PluginMain main() const { return m_main; }
    // A fresh effect from the module, or null.
    Vst::AEffect* open();
    static void close(Vst::AEffect* a_effect);
    static std::string text(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index = 0);

private:
    void* m_module = nullptr;
    Vst::PluginMain m_main = nullptr;
};

} // namespace PluginTest
