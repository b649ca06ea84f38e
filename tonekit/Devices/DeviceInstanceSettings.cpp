#include "tonekit/Devices/DeviceInstanceSettings.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

namespace Tonekit {

DeviceInstanceSettings::DeviceInstanceSettings(Device* a_device) : m_parameters(m_collection) {
    m_parameters.m_modulation_precision->set_target(&a_device->m_modulation_exponential_precision);
    m_parameters.m_modulation_visualization->set_target(&a_device->m_modulation_visualization);
    m_parameters.m_parameter_precision->set_target(&a_device->m_parameter_exponential_precision);
    m_parameters.m_smoothing->set_target(&a_device->m_smoothing_reason_mask);
    // The internal value of the smoothness is the rate: 1000 / (milliseconds x sample rate).
    m_parameters.m_smoothness->bind_lanes(&a_device->m_smoothing_step, 1);
    for (unsigned slot = 0; slot < DeviceSettingsParameters::retrigger_key_count; ++slot) {
        m_parameters.m_retrigger_channels[slot]->set_target(&a_device->m_retrigger_channels[slot]);
        m_parameters.m_retrigger_keys[slot]->set_target(&a_device->m_retrigger_keys[slot]);
    }
}

} // namespace Tonekit
