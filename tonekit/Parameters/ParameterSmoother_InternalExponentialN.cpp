#include "tonekit/Parameters/ParameterSmoother_InternalExponentialN.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/SmoothingKernels.h"

#include <cstdint>

namespace Tonekit {

ParameterSmoother_InternalExponentialN::ParameterSmoother_InternalExponentialN(
    Device* a_device, FloatParameter* a_parameter)
    : ParameterSmoother(a_device, a_parameter, &a_parameter->m_internal_value),
      m_lanes(a_parameter->m_lanes) {
    ORVO_ASSERT(m_lanes && reinterpret_cast<std::uintptr_t>(m_lanes) % 16 == 0);
}

void ParameterSmoother_InternalExponentialN::process(unsigned a_frames) noexcept {
    SmoothingKernels::geometric_ramp(m_coefficients, m_current_value, m_target, m_lanes);
    m_current_value = m_lanes[a_frames - 1];
    // Lane 0 is the last lane to arrive; see ParameterSmoother_InternalLinearN.
    m_finished = m_lanes[0] == m_target;
}

void ParameterSmoother_InternalExponentialN::update_coefficients() {
    const auto& parameter = static_cast<const FloatParameter&>(*m_parameter);
    const double ratio = double(parameter.forward(parameter.m_interval_end)) /
                         double(parameter.forward(parameter.m_interval_start));
    SmoothingKernels::geometric_coefficients(ratio, m_device->m_smoothing_step, m_coefficients);
}

void ParameterSmoother_InternalExponentialN::jump() {
    take_target();
    m_current_value = m_target;
}

} // namespace Tonekit
