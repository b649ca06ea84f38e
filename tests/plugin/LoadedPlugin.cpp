#include "LoadedPlugin.h"

#include <cstring>
#include <stdexcept>

namespace PluginTest {

HostState& host_state() {
    static HostState state;
    return state;
}

Vst::IntPtr host_callback(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*,
                          float) {
    HostState& state = host_state();
    state.m_opcodes.push_back(a_opcode);
    switch (a_opcode) {
    case Vst::audioMasterVersion:
        return state.m_version;
    case Vst::audioMasterGetTime:
        return reinterpret_cast<Vst::IntPtr>(&state.m_time);
    default:
        return 0;
    }
}

LoadedPlugin::LoadedPlugin() {
    m_module = dlopen(TOLVAN_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!m_module)
        throw std::runtime_error(dlerror());
    m_main = reinterpret_cast<Vst::PluginMain>(dlsym(m_module, "VSTPluginMain"));
    if (!m_main)
        throw std::runtime_error("no VSTPluginMain");
}

LoadedPlugin::~LoadedPlugin() {
    if (m_module)
        dlclose(m_module);
}

Vst::AEffect* LoadedPlugin::open() {
    Vst::AEffect* effect = m_main(host_callback);
    if (effect)
        effect->dispatcher(effect, Vst::effOpen, 0, 0, nullptr, 0.0f);
    return effect;
}

void LoadedPlugin::close(Vst::AEffect* a_effect) {
    a_effect->dispatcher(a_effect, Vst::effMainsChanged, 0, 0, nullptr, 0.0f);
    a_effect->dispatcher(a_effect, Vst::effClose, 0, 0, nullptr, 0.0f);
}

std::string LoadedPlugin::text(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index) {
    // Hosts give small buffers; poison the rest to catch writes past the terminator.
    char buffer[256];
    std::memset(buffer, 'X', sizeof buffer);
    a_effect->dispatcher(a_effect, a_opcode, a_index, 0, buffer, 0.0f);
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

} // namespace PluginTest
