#pragma once
// What the plug-in benchmarks share: a host callback that answers only the version query, and a
// data folder of their own, so that the user's settings and presets stay out of the measurement.

#include "tonekit/vst/VstAbi.h"

#include <cstdlib>
#include <string>

namespace BenchHost {

inline Vst::IntPtr host(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*, float) {
    return a_opcode == Vst::audioMasterVersion ? 2400 : 0;
}

inline void private_data_folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/tolvan-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
}

} // namespace BenchHost
