#pragma once

#include "tonekit/Parameters/ParameterCollection.h"

namespace Tonekit {

// User choices shared by every instance, kept in the settings file. New instances start from them.
class DeviceGlobalSettings {
public:
    virtual ~DeviceGlobalSettings() = default;
    ParameterCollection& get_collection() noexcept { return m_collection; }

private:
    ParameterCollection m_collection;
};

} // namespace Tonekit
