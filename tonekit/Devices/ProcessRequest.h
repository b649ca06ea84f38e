#pragma once

#include "tonekit/Devices/MusicalTime.h"

namespace Tonekit {

// One host block as the adapter hands it to the device's processing entry.
struct ProcessRequest {
    const float* const* m_inputs = nullptr;
    float* const* m_outputs = nullptr;
    unsigned m_frames = 0;
    double m_tempo = 0.0;
    bool m_tempo_valid = false;
    // The transport at the block's first frame; drives the musical triggers.
    MusicalTime m_time;
};

// Channel pointers of the current control block; the processing entry advances them.
struct InputPair {
    const float* m_left = nullptr;
    const float* m_right = nullptr;
};

struct OutputPair {
    float* m_left = nullptr;
    float* m_right = nullptr;
};

} // namespace Tonekit
