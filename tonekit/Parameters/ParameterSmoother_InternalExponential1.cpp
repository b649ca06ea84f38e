#include "tonekit/Parameters/ParameterSmoother_InternalExponential1.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/SmoothingKernels.h"

namespace Tonekit {

using SmoothingKernels::max_of;
using SmoothingKernels::min_of;

ParameterSmoother_InternalExponential1::ParameterSmoother_InternalExponential1(
    Device* a_device, FloatParameter* a_parameter)
    : ParameterSmoother(a_device, a_parameter, &a_parameter->m_internal_value),
      m_lanes(a_parameter->m_lanes) {
    ORVO_ASSERT(m_lanes);
}

void ParameterSmoother_InternalExponential1::process(unsigned a_frames) noexcept {
    const float factor = m_coefficients[a_frames - 1];
    const float value = m_current_value;
    m_current_value = min_of(max_of(value / factor, m_target), value * factor);
    m_lanes[0] = m_current_value;
    m_finished = m_current_value == m_target;
}

void ParameterSmoother_InternalExponential1::update_coefficients() {
    const auto& parameter = static_cast<const FloatParameter&>(*m_parameter);
    // Computed here rather than taken from the parameter's constants: after a sample-rate change
    // the coefficients may be asked for before the parameter re-converted its interval.
    const double ratio = double(parameter.forward(parameter.m_interval_end)) /
                         double(parameter.forward(parameter.m_interval_start));
    SmoothingKernels::geometric_coefficients(ratio, m_device->m_smoothing_step, m_coefficients);
}

void ParameterSmoother_InternalExponential1::jump() {
    take_target();
    m_current_value = m_target;
}

} // namespace Tonekit
