#include "tonekit/Parameters/FloatParameterSmoother.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/Parameters/SmoothingKernels.h"

#include <cmath>
#include <cstdint>

namespace Tonekit {

using SmoothingKernels::max_of;
using SmoothingKernels::min_of;

template <SmoothingScale Scale, unsigned Lanes>
FloatParameterSmoother<Scale, Lanes>::FloatParameterSmoother(Device* a_device,
                                                             FloatParameter* a_parameter)
    : ParameterSmoother(a_device, a_parameter,
                        Scale == SmoothingScale::Normalized ? &a_parameter->m_normalized_value
                                                            : &a_parameter->m_internal_value),
      m_lanes(Scale == SmoothingScale::Normalized ? a_parameter->m_normalized_lanes
                                                  : a_parameter->m_lanes) {
    // A ramp is written four lanes at a time with aligned stores.
    ORVO_ASSERT(m_lanes && (Lanes == 1 || reinterpret_cast<std::uintptr_t>(m_lanes) % 16 == 0));
}

template <SmoothingScale Scale, unsigned Lanes>
void FloatParameterSmoother<Scale, Lanes>::process(unsigned a_frames) noexcept {
    constexpr bool geometric = Scale == SmoothingScale::InternalGeometric;
    if constexpr (Lanes == 1) {
        const float step = m_coefficients[a_frames - 1];
        const float value = m_current_value;
        m_current_value = geometric ? min_of(max_of(value / step, m_target), value * step)
                                    : min_of(max_of(value - step, m_target), value + step);
        m_lanes[0] = m_current_value;
        m_finished = m_current_value == m_target;
    } else {
        if constexpr (geometric)
            SmoothingKernels::geometric_ramp(m_coefficients, m_current_value, m_target, m_lanes);
        else
            SmoothingKernels::linear_ramp(m_coefficients, m_current_value, m_target, m_lanes);
        m_current_value = m_lanes[a_frames - 1];
        // Not the current value: when only the last lanes reached the target, the first ones
        // still hold the ramp and must be written once more before the smoother may stop writing.
        m_finished = m_lanes[0] == m_target;
    }
}

template <SmoothingScale Scale, unsigned Lanes>
void FloatParameterSmoother<Scale, Lanes>::update_coefficients() {
    const float step = m_device->m_smoothing_step;
    if constexpr (Scale == SmoothingScale::Normalized) {
        // The normalized span is 1.
        SmoothingKernels::linear_coefficients(step, m_coefficients);
        return;
    }
    const auto& parameter = static_cast<const FloatParameter&>(*m_parameter);
    // Computed here rather than taken from the parameter's constants: after a sample-rate change
    // the coefficients may be asked for before the parameter re-converted its interval.
    const double start = double(parameter.forward(parameter.m_interval_start));
    const double end = double(parameter.forward(parameter.m_interval_end));
    if constexpr (Scale == SmoothingScale::InternalGeometric)
        SmoothingKernels::geometric_coefficients(end / start, step, m_coefficients);
    else
        SmoothingKernels::linear_coefficients(std::fabs(end - start) * step, m_coefficients);
}

template <SmoothingScale Scale, unsigned Lanes>
void FloatParameterSmoother<Scale, Lanes>::jump() {
    take_target();
    m_current_value = m_target;
}

template class FloatParameterSmoother<SmoothingScale::InternalLinear, 1>;
template class FloatParameterSmoother<SmoothingScale::InternalLinear, 16>;
template class FloatParameterSmoother<SmoothingScale::InternalGeometric, 1>;
template class FloatParameterSmoother<SmoothingScale::InternalGeometric, 16>;
template class FloatParameterSmoother<SmoothingScale::Normalized, 16>;

} // namespace Tonekit
