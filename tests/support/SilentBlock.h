#pragma once
// One host block of silence through a device, as a host calls it: the host's tempo when a_tempo is
// positive, and a transport. It allocates its buffers, so allocation-counting tests keep their own.

#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/MusicalTime.h"
#include "tonekit/Devices/ProcessRequest.h"

#include <vector>

namespace TestSupport {

inline void process_silence(Tonekit::Device& a_device, unsigned a_frames, double a_tempo = 0.0,
                            const Tonekit::MusicalTime& a_time = {}) {
    std::vector<float> left(a_frames), right(a_frames);
    const float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {left.data(), right.data()};
    Tonekit::ProcessRequest request;
    request.m_inputs = inputs;
    request.m_outputs = outputs;
    request.m_frames = a_frames;
    request.m_tempo = a_tempo;
    request.m_tempo_valid = a_tempo > 0.0;
    request.m_time = a_time;
    a_device.process(request);
}

} // namespace TestSupport
