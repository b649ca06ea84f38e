#include "tonekit/Devices/DeviceGlobalSettings.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Assert.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/FileInputStream.h"
#include "orvo/Streams/ReplacingFileOutputStream.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Parameters/LoadReport.h"

#include <exception>
#include <mutex>

namespace Tonekit {

DeviceGlobalSettings::DeviceGlobalSettings() : m_parameters(m_collection) {}

std::string DeviceGlobalSettings::get_preamble() const {
    Device* device = m_collection.get_device();
    ORVO_ASSERT(device);
    return Orvo::utf16_to_utf8_lossy(device->get_static_config().m_plugin_name.view()) +
           "/Settings";
}

void DeviceGlobalSettings::load(const Orvo::WString& a_path) {
    Device* device = m_collection.get_device();
    ORVO_ASSERT(device);
    const auto version = unsigned(device->get_static_config().m_plugin_internal_version);
    try {
        Orvo::FileInputStream input(a_path);
        Orvo::BiniNode root;
        root.load(input, get_preamble());
        LoadReport ignored;
        m_collection.load(root, version, ignored);
    } catch (const std::exception&) {
        // Orvo::Exception and the standard library's (a damaged file can ask for a huge node)
        // alike: whatever the file did, the defaults are a consistent state.
        m_collection.reset_all();
    }
    std::lock_guard processing(device->processing_lock());
    m_collection.commit_all(true);
}

void DeviceGlobalSettings::save(const Orvo::WString& a_path) const {
    Orvo::BiniNode root;
    m_collection.save(root);
    Orvo::ReplacingFileOutputStream output(a_path);
    root.save(output, get_preamble());
    output.commit();
}

} // namespace Tonekit
