#include "StressHost.h"

#include <dlfcn.h>

#include <stdexcept>

namespace Stress {

std::atomic<unsigned long> StressHost::s_callbacks{0};

StressHost::StressHost(const std::string& a_module_path) {
    m_module = dlopen(a_module_path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module)
        throw std::runtime_error(dlerror());
    m_main = reinterpret_cast<Vst::PluginMain>(dlsym(m_module, "VSTPluginMain"));
    if (!m_main) {
        dlclose(m_module);
        throw std::runtime_error("the module exports no VSTPluginMain");
    }
}

StressHost::~StressHost() {
    dlclose(m_module);
}

Vst::AEffect* StressHost::open() {
    Vst::AEffect* effect = m_main(&StressHost::p_callback);
    if (!effect)
        return nullptr;
    dispatch(effect, Vst::effOpen);
    dispatch(effect, Vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
    dispatch(effect, Vst::effSetBlockSize, 0, 4096);
    dispatch(effect, Vst::effMainsChanged, 0, 1);
    return effect;
}

void StressHost::close(Vst::AEffect* a_effect) {
    dispatch(a_effect, Vst::effMainsChanged, 0, 0);
    dispatch(a_effect, Vst::effClose);
}

Vst::IntPtr StressHost::dispatch(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index,
                                 Vst::IntPtr a_value, void* a_pointer, float a_option) {
    return a_effect->dispatcher(a_effect, a_opcode, a_index, a_value, a_pointer, a_option);
}

Vst::IntPtr StressHost::p_callback(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr,
                                   void*, float) {
    s_callbacks.fetch_add(1, std::memory_order_relaxed);
    switch (a_opcode) {
    case Vst::audioMasterVersion:
        return 2400;
    case Vst::audioMasterWantMidi:
        return 1;
    case Vst::audioMasterGetTime: {
        // Each thread sees its own transport, which moves a little on every request, so the
        // plug-in meets tempo changes and a playing song position without the host racing itself.
        thread_local Vst::VstTimeInfo time{};
        thread_local unsigned long requests = 0;
        ++requests;
        time.sampleRate = 44100.0;
        time.tempo = 60.0 + double(requests % 240);
        time.ppqPos = double(requests) * 0.25;
        time.flags = Vst::kVstTempoValid | Vst::kVstPpqPosValid |
                     (requests % 7 ? Vst::kVstTransportPlaying : 0);
        return reinterpret_cast<Vst::IntPtr>(&time);
    }
    default:
        return 0;
    }
}

} // namespace Stress
