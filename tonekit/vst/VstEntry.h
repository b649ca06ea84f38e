#pragma once
// Builds a plug-in instance for a host: the body of a module's VSTPluginMain.

#include "tonekit/vst/VstHost.h"
#include "vexa/Application/Application.h"

#include <memory>

namespace Tonekit {

// Null when the host answers the version query with 0 or when any step fails; nothing escapes.
// a_start_up runs right after the device's initialisation (the editor's style sheet).
template <class DeviceType>
Vst::AEffect* create_vst_effect(Vst::HostCallback a_host, void (*a_start_up)(Device&) = nullptr,
                                EditorFactory a_editor_factory = nullptr) noexcept {
    try {
        if (!a_host || a_host(nullptr, Vst::audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
            return nullptr;
    } catch (...) {
        return nullptr;
    }
    bool acquired = false;
    try {
        Vexa::Application::acquire();
        acquired = true;
        auto device = std::make_unique<DeviceType>();
        device->initialize();
        if (a_start_up)
            a_start_up(*device);
        auto* adapter = new VstHost(a_host, std::move(device), a_editor_factory);
        return adapter->getAeffect();
    } catch (...) {
        if (acquired)
            Vexa::Application::release();
        return nullptr;
    }
}

} // namespace Tonekit
