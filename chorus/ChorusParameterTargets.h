#pragma once
// What the chorus's choices and switches write when they are committed. The commit callbacks of
// the effect forward these to the signal path once per commit pass.

#include "chorus/InterpolationAlgorithm.h"
#include "chorus/SignalPath.h"

#include <array>

namespace tolvanchorus {

struct ChorusParameterTargets {
    TransformationFunction m_delay_transformation = nullptr;
    TransformationFunction m_depth_transformation = nullptr;
    InterpolationAlgorithm m_interpolation = InterpolationAlgorithm_LINEAR;
    SignalPath::ProcessingFunction m_processing = nullptr;
    std::array<bool, SignalPath::voice_count> m_enabled{};
    std::array<bool, SignalPath::voice_count> m_solo{};
    std::array<PanningLawFunction, SignalPath::voice_count> m_input_panning_law{};
    std::array<PanningLawFunction, SignalPath::voice_count> m_output_panning_law{};
};

} // namespace tolvanchorus
