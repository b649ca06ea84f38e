#pragma once
// User choices shared by every instance, kept in the settings file ("Settings.data" in the user
// data folder). New instances start from them. The global settings act on nothing themselves.
//
// File layout: the preamble "<plug-in name>/Settings" (8-bit), the Bini header, and a root whose
// child 1 holds the collection (see ParameterCollection). There is no version node: the file is
// read with the running plug-in's internal version.

#include "tonekit/Devices/DeviceSettingsParameters.h"
#include "tonekit/Parameters/ParameterCollection.h"

#include <string>

namespace Tonekit {

class DeviceGlobalSettings {
public:
    DeviceGlobalSettings();
    DeviceGlobalSettings(const DeviceGlobalSettings&) = delete;
    DeviceGlobalSettings& operator=(const DeviceGlobalSettings&) = delete;
    virtual ~DeviceGlobalSettings() = default;

    ParameterCollection& get_collection() noexcept { return m_collection; }
    DeviceSettingsParameters& get_parameters() noexcept { return m_parameters; }

    // [ui-thread] After the collection was initialized on its device. A file that is missing,
    // foreign, damaged or unreadable is no error: the defaults apply. Parameters the file lacks
    // or stores wrongly take their defaults, the others keep what the file says. Everything is
    // committed at once.
    void load(const Orvo::WString& a_path);
    // [ui-thread] Writes a new file beside the old one and renames it over it, so a failure
    // (which throws) leaves the old file as it was.
    void save(const Orvo::WString& a_path) const;

    // "<plug-in name>/Settings" for the collection's device.
    std::string get_preamble() const;

private:
    ParameterCollection m_collection;
    DeviceSettingsParameters m_parameters;
};

} // namespace Tonekit
