#pragma once

#include "tonekit/Parameters/ParameterSmoother.h"

namespace Tonekit {

class FloatParameter;

// A float parameter that the signal path reads in normalized form (0..1): each control block gets a
// per-frame ramp of the normalized value in its 16 normalized lanes, a full span taking the
// smoothness time whatever the parameter's scale.
class ParameterSmoother_Normalized final : public ParameterSmoother {
public:
    ParameterSmoother_Normalized(Device* a_device, FloatParameter* a_parameter);

    void process(unsigned a_frames) noexcept override;
    void update_coefficients() override;
    void jump() override;

private:
    float* m_lanes;
};

} // namespace Tonekit
