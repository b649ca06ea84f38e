#include "tonekit/Parameters/ParameterSmoother_InternalLinear1.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/SmoothingKernels.h"

#include <cmath>

namespace Tonekit {

using SmoothingKernels::max_of;
using SmoothingKernels::min_of;

ParameterSmoother_InternalLinear1::ParameterSmoother_InternalLinear1(Device* a_device,
                                                                     FloatParameter* a_parameter)
    : ParameterSmoother(a_device, a_parameter, &a_parameter->m_internal_value),
      m_lanes(a_parameter->m_lanes) {
    ORVO_ASSERT(m_lanes);
}

void ParameterSmoother_InternalLinear1::process(unsigned a_frames) noexcept {
    const float step = m_coefficients[a_frames - 1];
    const float value = m_current_value;
    m_current_value = min_of(max_of(value - step, m_target), value + step);
    m_lanes[0] = m_current_value;
    m_finished = m_current_value == m_target;
}

void ParameterSmoother_InternalLinear1::update_coefficients() {
    const auto& parameter = static_cast<const FloatParameter&>(*m_parameter);
    const double span = double(parameter.forward(parameter.m_interval_end)) -
                        double(parameter.forward(parameter.m_interval_start));
    SmoothingKernels::linear_coefficients(std::fabs(span) * m_device->m_smoothing_step,
                                          m_coefficients);
}

void ParameterSmoother_InternalLinear1::jump() {
    take_target();
    m_current_value = m_target;
}

} // namespace Tonekit
