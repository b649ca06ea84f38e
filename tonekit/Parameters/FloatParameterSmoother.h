#pragma once

#include "tonekit/Parameters/ParameterSmoother.h"

namespace Tonekit {

class FloatParameter;

// Which of a float parameter's values a smoother moves, and how.
enum class SmoothingScale {
    // The internal value, a fixed amount per frame.
    InternalLinear,
    // The internal value, a fixed factor per frame. Needs an internal interval rising from a
    // positive start (FloatParameter::create_smoother chooses a linear kind otherwise).
    InternalGeometric,
    // The normalized value (0..1), a full span taking the smoothness time whatever the
    // parameter's scale.
    Normalized,
};

// The float parameter's smoothers. One lane moves the value once per control block (the signal
// path reads one value per block); sixteen lanes get a per-frame ramp each control block.
template <SmoothingScale Scale, unsigned Lanes>
class FloatParameterSmoother final : public ParameterSmoother {
    static_assert(Lanes == 1 || Lanes == coefficient_count);

public:
    FloatParameterSmoother(Device* a_device, FloatParameter* a_parameter);

    void process(unsigned a_frames) noexcept override;
    void update_coefficients() override;
    void jump() override;

private:
    float* m_lanes;
};

extern template class FloatParameterSmoother<SmoothingScale::InternalLinear, 1>;
extern template class FloatParameterSmoother<SmoothingScale::InternalLinear, 16>;
extern template class FloatParameterSmoother<SmoothingScale::InternalGeometric, 1>;
extern template class FloatParameterSmoother<SmoothingScale::InternalGeometric, 16>;
extern template class FloatParameterSmoother<SmoothingScale::Normalized, 16>;

} // namespace Tonekit
