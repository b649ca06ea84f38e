#include "tools/host/SnapshotCommand.h"

#include "tools/host/HostContext.h"
#include "tools/host/HostError.h"
#include "tools/host/PluginInstance.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tolvanhost {

SnapshotCommand::SnapshotCommand(std::string a_plugin_path, std::string a_output)
    : m_plugin_path(std::move(a_plugin_path)), m_output(std::move(a_output)) {}

void SnapshotCommand::run() {
    HostContext context;
    PluginInstance plugin(m_plugin_path, &HostContext::callback);
    if (!(plugin.record().flags & Vst::effFlagsHasEditor))
        throw HostError::runtime("the plug-in has no editor: " + m_plugin_path);
    plugin.set_sample_rate(48000.0f);
    plugin.set_block_size(512);
    // Like every output of the tool, written beside the file and renamed over it when complete.
    const std::string temporary = m_output + ".part";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    const bool written = plugin.dispatch(Vst::effVendorSpecific, Vst::vendor_specific_wheel_index,
                                         Vst::vendor_specific_snapshot_value,
                                         const_cast<char*>(temporary.c_str())) == 1 &&
                         std::filesystem::is_regular_file(temporary, ignored);
    plugin.close();
    std::error_code renamed;
    if (written)
        std::filesystem::rename(temporary, m_output, renamed);
    if (!written || renamed) {
        std::filesystem::remove(temporary, ignored);
        throw HostError::runtime("the plug-in could not write its editor's picture to " + m_output);
    }
    std::printf("wrote %s\n", m_output.c_str());
}

} // namespace tolvanhost
