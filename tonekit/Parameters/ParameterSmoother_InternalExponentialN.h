#pragma once

#include "tonekit/Parameters/ParameterSmoother.h"

namespace Tonekit {

class FloatParameter;

// A 16-lane float parameter on a geometric scale: each control block gets a per-frame ramp of the
// internal value, a fixed factor per frame. Needs an internal interval rising from a positive
// start (FloatParameter::create_smoother chooses a linear kind otherwise).
class ParameterSmoother_InternalExponentialN final : public ParameterSmoother {
public:
    ParameterSmoother_InternalExponentialN(Device* a_device, FloatParameter* a_parameter);

    void process(unsigned a_frames) noexcept override;
    void update_coefficients() override;
    void jump() override;

private:
    float* m_lanes;
};

} // namespace Tonekit
