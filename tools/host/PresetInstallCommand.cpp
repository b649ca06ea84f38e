#include "tools/host/PresetInstallCommand.h"

#include "tools/host/HostContext.h"
#include "tools/host/HostError.h"
#include "tools/host/PluginInstance.h"

#include <cstdio>

namespace tolvanhost {

void install_factory_presets(const std::string& a_plugin_path) {
    HostContext context;
    PluginInstance plugin(a_plugin_path, &HostContext::callback);
    const bool installed = plugin.dispatch(Vst::effVendorSpecific, Vst::vendor_specific_wheel_index,
                                           Vst::vendor_specific_install_value, nullptr) == 1;
    plugin.close();
    if (!installed)
        throw HostError::runtime("the plug-in could not install its factory presets");
    std::printf("factory presets installed\n");
}

} // namespace tolvanhost
