#pragma once
// A host for stress runs: it loads the built plug-in module the way a digital audio workstation
// does (dlopen, VSTPluginMain, the effect record) and answers the plug-in's callbacks from any
// thread at once. Nothing of the plug-in's own code is linked in; every call crosses the ABI.

#include "tonekit/vst/VstAbi.h"

#include <atomic>
#include <string>

namespace Stress {

class StressHost {
public:
    // Loads a_module_path; throws std::runtime_error when the module or its entry is missing.
    explicit StressHost(const std::string& a_module_path);
    ~StressHost();
    StressHost(const StressHost&) = delete;
    StressHost& operator=(const StressHost&) = delete;

    // [any-thread] A fresh, opened and resumed effect, or null when the module refuses.
    Vst::AEffect* open();
    // [any-thread] Suspends and closes a_effect; the record is gone afterwards.
    static void close(Vst::AEffect* a_effect);

    static Vst::IntPtr dispatch(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index = 0,
                                Vst::IntPtr a_value = 0, void* a_pointer = nullptr,
                                float a_option = 0.0f);

    // How often the plug-in called back, over all effects and threads.
    static unsigned long callback_count() noexcept {
        return s_callbacks.load(std::memory_order_relaxed);
    }

private:
    static Vst::IntPtr p_callback(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index,
                                  Vst::IntPtr a_value, void* a_pointer, float a_option);

    static std::atomic<unsigned long> s_callbacks;
    void* m_module = nullptr;
    Vst::PluginMain m_main = nullptr;
};

} // namespace Stress
