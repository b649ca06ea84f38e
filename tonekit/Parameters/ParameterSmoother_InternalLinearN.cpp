#include "tonekit/Parameters/ParameterSmoother_InternalLinearN.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/SmoothingKernels.h"

#include <cmath>
#include <cstdint>

namespace Tonekit {

ParameterSmoother_InternalLinearN::ParameterSmoother_InternalLinearN(Device* a_device,
                                                                     FloatParameter* a_parameter)
    : ParameterSmoother(a_device, a_parameter, &a_parameter->m_internal_value),
      m_lanes(a_parameter->m_lanes) {
    // The ramp is written four lanes at a time with aligned stores.
    ORVO_ASSERT(m_lanes && reinterpret_cast<std::uintptr_t>(m_lanes) % 16 == 0);
}

void ParameterSmoother_InternalLinearN::process(unsigned a_frames) noexcept {
    SmoothingKernels::linear_ramp(m_coefficients, m_current_value, m_target, m_lanes);
    m_current_value = m_lanes[a_frames - 1];
    // Not v: when only the last lanes reached the target, the first ones still hold the ramp and
    // must be written once more before the smoother may stop writing.
    m_finished = m_lanes[0] == m_target;
}

void ParameterSmoother_InternalLinearN::update_coefficients() {
    const auto& parameter = static_cast<const FloatParameter&>(*m_parameter);
    const double span = double(parameter.forward(parameter.m_interval_end)) -
                        double(parameter.forward(parameter.m_interval_start));
    SmoothingKernels::linear_coefficients(std::fabs(span) * m_device->m_smoothing_step,
                                          m_coefficients);
}

void ParameterSmoother_InternalLinearN::jump() {
    take_target();
    m_current_value = m_target;
}

} // namespace Tonekit
