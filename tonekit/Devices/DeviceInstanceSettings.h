#pragma once

#include "tonekit/Parameters/ParameterCollection.h"

namespace Tonekit {

// The settings of one instance: copied from the global ones when the instance starts, then saved
// with the host's project.
class DeviceInstanceSettings {
public:
    virtual ~DeviceInstanceSettings() = default;
    ParameterCollection& get_collection() noexcept { return m_collection; }

private:
    ParameterCollection m_collection;
};

} // namespace Tonekit
