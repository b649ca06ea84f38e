#pragma once
// The static configuration of the framework's test and benchmark devices. With a data home every
// folder the device writes lies inside it, so that nothing touches the user's own data.

#include "orvo/Core/String.h"
#include "tonekit/Devices/DeviceStaticConfig.h"

#include <filesystem>

namespace TestSupport {

inline void configure_test_device(Tonekit::DeviceStaticConfig& a_config,
                                  const std::filesystem::path& a_data_home) {
    a_config.m_plugin_internal_version = 1;
    a_config.m_plugin_name = u"Test Device";
    a_config.m_plugin_unique_id = 1234;
    a_config.m_plugin_vendor = u"Test Vendor";
    a_config.m_plugin_version_string = u"1.0";
    a_config.m_application_folder_name = u"Test Device";
    a_config.m_common_internal_data_folder_name = u"Internal";
    a_config.m_preset_folder_name = u"Presets";
    a_config.m_preset_preamble_part = "Preset";
    a_config.m_preset_file_extension = u"preset";
    a_config.m_initial_preset_name = u"Initial";
    a_config.m_use_vendor_folder = true;
    a_config.m_vendor_folder_name = u"Test Vendor";
    if (!a_data_home.empty()) {
        const auto home = Orvo::WString(a_data_home.u16string().c_str());
        a_config.m_user_data_folder = home;
        a_config.m_preset_folder = home + u"/Presets";
        a_config.m_common_data_folder = home;
    }
}

} // namespace TestSupport
