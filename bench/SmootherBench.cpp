// Advancing the device's active smoothers once per control block, as the processing entry does
// before each block of 16 frames at 48 kHz. 50 float parameters glide at once, the kinds mixed
// (linear and geometric, 16-lane and single-lane, normalized form) or all of one kind.
//
// The time per iteration is the cost of one control block; x_realtime is seconds of audio whose
// smoothing one second of CPU time covers (a control block is 1/3000 s of audio). The smoothness
// is set to its longest (10 s) so that no glide ends during a run; the rare one that does is
// sent back the other way.

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestDeviceConfig.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/DeviceProgramBuilder.h"
#include "tonekit/Devices/Effect.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/Parameters/ParameterSmoother.h"
#include "tonekit/Parameters/SmoothingKernels.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr double sample_rate = 48000.0;
constexpr unsigned smoother_count = 50;

enum SmootherKind {
    SmootherKind_LINEAR_N,
    SmootherKind_EXPONENTIAL_N,
    SmootherKind_NORMALIZED,
    SmootherKind_LINEAR_1,
    SmootherKind_EXPONENTIAL_1
};
constexpr int kind_mix = -1;

struct alignas(16) Lanes {
    float m_internal[16] = {};
    float m_normalized[16] = {};
};

class GlidingDevice : public Tonekit::Effect {
public:
    GlidingDevice(const std::filesystem::path& a_folder, int a_kind) : m_kind(a_kind) {
        TestSupport::configure_test_device(m_static_config, a_folder);
    }

    void build() override {
        Tonekit::DeviceProgramBuilder builder(*get_program());
        for (unsigned i = 0; i < smoother_count; ++i) {
            const SmootherKind kind =
                m_kind == kind_mix ? SmootherKind(i % 5) : SmootherKind(m_kind);
            auto* p = new Tonekit::FloatParameter;
            p->m_id = 0x30303050u + (i % 10 << 24) + (i / 10 << 16);
            p->set_display_name(u"Glide");
            using Variation = Tonekit::FloatParameterVariation;
            if (kind == SmootherKind_EXPONENTIAL_N || kind == SmootherKind_EXPONENTIAL_1)
                Variation::create(p, 1, u"Hz", Tonekit::Unit_HERTZ, 20.0f, 20000.0f, 20.0f, true,
                                  Tonekit::ConversionType_HERTZ_TO_NORMALIZED_FREQUENCY,
                                  Variation::Polarity_POSITIVE_UNIPOLAR, true);
            else
                Variation::create(p, 1, u"ms", Tonekit::Unit_MILLISECONDS, 0.0f, 50.0f, 0.0f, false,
                                  Tonekit::ConversionType_MILLISECONDS_TO_FRAMES,
                                  Variation::Polarity_POSITIVE_UNIPOLAR, true);
            const bool single = kind == SmootherKind_LINEAR_1 || kind == SmootherKind_EXPONENTIAL_1;
            p->bind_lanes(m_lanes[i].m_internal, single ? 1 : 16);
            p->bind_normalized_lanes(m_lanes[i].m_normalized);
            p->m_smoothing_normalized = kind == SmootherKind_NORMALIZED;
            builder.add_parameter(p);
            m_parameters.push_back(p);
        }
        m_input_count = m_output_count = 2;
    }
    void process(const Tonekit::InputPair&, const Tonekit::OutputPair&, unsigned) override {}

    // Sends every idle smoother to the other end of its parameter, as the pending-change pass
    // would for an editor change.
    void rearm() {
        for (Tonekit::FloatParameter* p : m_parameters) {
            Tonekit::ParameterSmoother* smoother = p->m_smoother.get();
            if (smoother->m_enlisted)
                continue;
            p->m_normalized_value = p->m_normalized_value < 0.5f ? 1.0f : 0.0f;
            p->denormalize();
            smoother->take_target();
            get_smoother_list()->enlist(smoother);
        }
    }

    std::vector<Tonekit::FloatParameter*> m_parameters;

private:
    int m_kind;
    Lanes m_lanes[smoother_count];
};

void active_smoothers(benchmark::State& a_state) {
    TestSupport::TemporaryFolder folder;
    auto device = std::make_unique<GlidingDevice>(folder.path(), int(a_state.range(0)));
    device->initialize();
    device->setSampleRate(float(sample_rate));
    device->get_instance_settings()->get_parameters().m_smoothness->set_normalized_value(1.0f);
    device->rearm();
    Tonekit::ParameterSmoother_ListHead& list = *device->get_smoother_list();

    unsigned until_rearm = 1024;
    for (auto _ : a_state) {
        list.process_all(16);
        if (--until_rearm == 0) {
            until_rearm = 1024;
            device->rearm();
        }
        benchmark::ClobberMemory();
    }
    a_state.counters["x_realtime"] = benchmark::Counter(
        double(a_state.iterations()) * 16.0 / sample_rate, benchmark::Counter::kIsRate);
    a_state.counters["ns_per_smoother"] =
        benchmark::Counter(double(a_state.iterations()) * smoother_count,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    device->close();
}

// The 16-lane ramp alone, vector form against its scalar twin.
template <void (*Ramp)(const float*, float, float, float*) noexcept>
void ramp(benchmark::State& a_state) {
    alignas(16) float coefficients[16];
    alignas(16) float lanes[16];
    Tonekit::SmoothingKernels::linear_coefficients(1.0 / 2400.0, coefficients);
    float value = 0.0f;
    for (auto _ : a_state) {
        Ramp(coefficients, value, 1e9f, lanes);
        value = lanes[15];
        benchmark::DoNotOptimize(lanes);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(active_smoothers)
    ->ArgName("kind")
    ->Arg(kind_mix)
    ->Arg(SmootherKind_LINEAR_N)
    ->Arg(SmootherKind_EXPONENTIAL_N)
    ->Arg(SmootherKind_NORMALIZED)
    ->Arg(SmootherKind_LINEAR_1)
    ->Arg(SmootherKind_EXPONENTIAL_1);
BENCHMARK(ramp<Tonekit::SmoothingKernels::linear_ramp>)->Name("linear_ramp/vector");
BENCHMARK(ramp<Tonekit::SmoothingKernels::linear_ramp_scalar>)->Name("linear_ramp/scalar");
BENCHMARK(ramp<Tonekit::SmoothingKernels::geometric_ramp>)->Name("geometric_ramp/vector");
BENCHMARK(ramp<Tonekit::SmoothingKernels::geometric_ramp_scalar>)->Name("geometric_ramp/scalar");
