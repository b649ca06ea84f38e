#pragma once

#include "tonekit/Parameters/ParameterSmoother.h"

namespace Tonekit {

class FloatParameter;

// A single-lane float parameter on a linear scale: the internal value moves by a fixed amount per
// frame, once per control block (the signal path reads one value per block).
class ParameterSmoother_InternalLinear1 final : public ParameterSmoother {
public:
    ParameterSmoother_InternalLinear1(Device* a_device, FloatParameter* a_parameter);

    void process(unsigned a_frames) noexcept override;
    void update_coefficients() override;
    void jump() override;

private:
    float* m_lanes;
};

} // namespace Tonekit
