#pragma once

#include "orvo/Core/String.h"

#include <string>

namespace Tonekit {

// Compiled-in description of a concrete device, filled by its constructor and checked by
// Device::initialize. Empty folder paths are derived from the system folders.
struct DeviceStaticConfig {
    int m_plugin_internal_version = 0;
    Orvo::WString m_plugin_name;
    int m_plugin_unique_id = 0;
    Orvo::WString m_plugin_vendor;
    Orvo::WString m_plugin_version_string;
    Orvo::WString m_application_folder_name;
    Orvo::WString m_common_data_folder;
    Orvo::WString m_user_data_folder;
    Orvo::WString m_common_internal_data_folder_name;
    Orvo::WString m_common_internal_data_folder;
    Orvo::WString m_initial_preset_name;
    Orvo::WString m_preset_file_extension;
    Orvo::WString m_preset_folder_name;
    Orvo::WString m_preset_folder;
    std::string m_preset_preamble_part;
    int m_preset_scan_depth_limit = 10;
    int m_preset_scan_entry_limit = 10000;
    bool m_use_vendor_folder = false;
    Orvo::WString m_vendor_folder_name;
    int m_modulator_limit = 50;
    int m_entry_limit = 50;
};

} // namespace Tonekit
