#pragma once

#include "tonekit/Parameters/ParameterSmoother.h"

namespace Tonekit {

class FloatParameter;

// A 16-lane float parameter on a linear scale: each control block gets a per-frame ramp of the
// internal value, a fixed amount per frame.
class ParameterSmoother_InternalLinearN final : public ParameterSmoother {
public:
    ParameterSmoother_InternalLinearN(Device* a_device, FloatParameter* a_parameter);

    void process(unsigned a_frames) noexcept override;
    void update_coefficients() override;
    void jump() override;

private:
    float* m_lanes;
};

} // namespace Tonekit
