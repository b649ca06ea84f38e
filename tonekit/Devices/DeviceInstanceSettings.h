#pragma once
// The settings of one instance: copied from the global ones when the instance starts, then saved
// with the host's project. They commit into the device's fields (precisions, smoothing, the
// modulation display, the retrigger keys); the device attaches what must follow a change.

#include "tonekit/Devices/DeviceSettingsParameters.h"
#include "tonekit/Parameters/ParameterCollection.h"

namespace Tonekit {

class Device;

class DeviceInstanceSettings {
public:
    explicit DeviceInstanceSettings(Device* a_device);
    DeviceInstanceSettings(const DeviceInstanceSettings&) = delete;
    DeviceInstanceSettings& operator=(const DeviceInstanceSettings&) = delete;
    virtual ~DeviceInstanceSettings() = default;

    ParameterCollection& get_collection() noexcept { return m_collection; }
    DeviceSettingsParameters& get_parameters() noexcept { return m_parameters; }

private:
    ParameterCollection m_collection;
    DeviceSettingsParameters m_parameters;
};

} // namespace Tonekit
