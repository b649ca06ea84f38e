#pragma once
// A device for smoothing tests: float parameters of every smoother kind, each bound to its own
// 16-lane block, and a processing function that records, frame by frame, the value the signal
// path would read from the "Line" parameter's block.

#include "TestDevice.h"

#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/Parameters/ParameterSmoother.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace TonekitTest {

struct alignas(16) LaneBlock {
    float m_lanes[16] = {};
    float m_normalized[16] = {};
};

class GlideDevice : public RecordingDevice {
public:
    enum Kind {
        Kind_LINEAR_N,
        Kind_EXPONENTIAL_N,
        Kind_LINEAR_1,
        Kind_EXPONENTIAL_1,
        Kind_NORMALIZED
    };

    // a_extra more parameters, the kinds taking turns.
    explicit GlideDevice(const std::filesystem::path& a_home, unsigned a_extra = 0)
        : RecordingDevice(a_home), m_blocks(5 + a_extra) {
        m_extra = a_extra;
        // The recordings must not allocate inside the processing entry.
        m_seen.reserve(1 << 16);
        m_calls.reserve(1 << 14);
    }

    void build() override {
        RecordingDevice::build();
        Tonekit::DeviceProgramBuilder builder(*get_program());
        for (unsigned i = 0; i < m_blocks.size(); ++i) {
            auto* parameter = make(Kind(i % 5), m_blocks[i]);
            parameter->m_id = Orvo::four_cc("P000") + (i % 10 << 24) + (i / 10 % 10 << 16);
            parameter->set_display_name(u"Glide");
            builder.add_parameter(parameter);
            m_parameters.push_back(parameter);
        }
    }

    static Tonekit::FloatParameter* make(Kind a_kind, LaneBlock& a_block) {
        using Tonekit::FloatParameterVariation;
        auto* p = new Tonekit::FloatParameter;
        const auto polarity = FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR;
        const bool geometric = a_kind == Kind_EXPONENTIAL_N || a_kind == Kind_EXPONENTIAL_1;
        if (geometric)
            FloatParameterVariation::create(
                p, 1, u"Hz", Tonekit::Unit_HERTZ, 20.0f, 20000.0f, 20.0f, true,
                Tonekit::ConversionType_HERTZ_TO_NORMALIZED_FREQUENCY, polarity, true);
        else
            FloatParameterVariation::create(p, 1, u"Plain", Tonekit::Unit_NONE, 0.0f, 50.0f, 0.0f,
                                            false, Tonekit::ConversionType_IDENTITY, polarity,
                                            true);
        const bool single = a_kind == Kind_LINEAR_1 || a_kind == Kind_EXPONENTIAL_1;
        p->bind_lanes(a_block.m_lanes, single ? 1 : 16);
        p->bind_normalized_lanes(a_block.m_normalized);
        p->m_smoothing_normalized = a_kind == Kind_NORMALIZED;
        return p;
    }

    void process(const Tonekit::InputPair& a_inputs, const Tonekit::OutputPair& a_outputs,
                 unsigned a_frames) override {
        RecordingDevice::process(a_inputs, a_outputs, a_frames);
        for (unsigned i = 0; i < a_frames; ++i)
            m_seen.push_back(m_blocks[Kind_LINEAR_N].m_lanes[i]);
    }

    Tonekit::FloatParameter* parameter(Kind a_kind) const { return m_parameters[a_kind]; }
    LaneBlock& block(Kind a_kind) { return m_blocks[a_kind]; }
    Tonekit::DeviceSettingsParameters& settings() {
        return get_instance_settings()->get_parameters();
    }
    unsigned active_smoothers() const {
        unsigned count = 0;
        const Tonekit::ParameterSmoother_ListHead* head = get_smoother_list();
        for (const Tonekit::ParameterSmoother* s = head->m_next; s != head; s = s->m_next)
            ++count;
        return count;
    }

    std::vector<LaneBlock> m_blocks;
    std::vector<Tonekit::FloatParameter*> m_parameters;
    // What the signal path read from the "Line" parameter, one value per frame.
    std::vector<float> m_seen;
    unsigned m_extra = 0;
};

// Stereo host buffers of one size, reused for every call.
class HostBlocks {
public:
    explicit HostBlocks(unsigned a_capacity)
        : m_in(a_capacity, 0.0f), m_out_left(a_capacity), m_out_right(a_capacity) {
        m_inputs[0] = m_inputs[1] = m_in.data();
        m_outputs[0] = m_out_left.data();
        m_outputs[1] = m_out_right.data();
    }
    void run(Tonekit::Device& a_device, unsigned a_frames) {
        ASSERT_LE(a_frames, m_in.size());
        Tonekit::ProcessRequest request;
        request.m_inputs = m_inputs;
        request.m_outputs = m_outputs;
        request.m_frames = a_frames;
        a_device.process(request);
    }

private:
    std::vector<float> m_in, m_out_left, m_out_right;
    const float* m_inputs[2];
    float* m_outputs[2];
};

} // namespace TonekitTest
