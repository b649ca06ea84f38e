#pragma once

#include "tonekit/Parameters/ParameterSmoother.h"

namespace Tonekit {

class FloatParameter;

// A single-lane float parameter on a geometric scale: the internal value is multiplied or divided
// by a fixed factor per frame, once per control block. Needs an internal interval rising from a
// positive start (FloatParameter::create_smoother chooses a linear kind otherwise).
class ParameterSmoother_InternalExponential1 final : public ParameterSmoother {
public:
    ParameterSmoother_InternalExponential1(Device* a_device, FloatParameter* a_parameter);

    void process(unsigned a_frames) noexcept override;
    void update_coefficients() override;
    void jump() override;

private:
    float* m_lanes;
};

} // namespace Tonekit
