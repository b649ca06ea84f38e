// Modules that fail the host's loading checks in one way each, chosen by BROKEN_KIND:
// 1 VSTPluginMain returns null, 2 it returns a record without the magic, 3 no VSTPluginMain.

#include "tonekit/vst/VstAbi.h"

#if BROKEN_KIND == 3

extern "C" __attribute__((visibility("default"))) int not_the_entry() {
    return 0;
}

#else

extern "C" __attribute__((visibility("default"))) Vst::AEffect* VSTPluginMain(Vst::HostCallback) {
#if BROKEN_KIND == 1
    return nullptr;
#else
    static Vst::AEffect bad_record{};
    bad_record.magic = 0x12345678;
    return &bad_record;
#endif
}

#endif
