// The whole plug-in through the host's processReplacing call at 48 kHz: the adapter, the
// device's processing entry (commit pass, MIDI drain, control-block walk) and the chorus.
//
// "entry_overhead" has every voice off, so what it measures is the framework around the signal
// path plus the dry mix. x_realtime is seconds of audio processed per second of CPU time.

#include "BenchHost.h"
#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/vst/VstEntry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using BenchHost::host;
using BenchHost::private_data_folder;

constexpr float sample_rate = 48000.0f;

struct Instance {
    explicit Instance(unsigned a_voices, bool a_cubic, bool a_eight_buffers) {
        private_data_folder();
        effect = Tonekit::create_vst_effect<tolvanchorus::TheEffect>(host);
        effect->dispatcher(effect, Vst::effSetSampleRate, 0, 0, nullptr, sample_rate);
        auto* adapter = static_cast<Tonekit::VstHost*>(effect->object);
        Tonekit::ParameterCollection& parameters =
            adapter->get_device()->get_program()->get_collection();
        const auto set = [&](std::string a_id, float a_value) {
            char id[5] = {a_id[0], a_id[1], a_id[2], a_id[3], 0};
            parameters.find(Orvo::four_cc(id))->set_normalized_value(a_value);
        };
        for (unsigned v = 0; v < 8; ++v) {
            set("Ena" + std::to_string(v + 1), v < a_voices ? 1.0f : 0.0f);
            set("IPa" + std::to_string(v + 1), float(v) / 7.0f);
            set("OPa" + std::to_string(v + 1), 1.0f - float(v) / 7.0f);
            set("Del" + std::to_string(v + 1), 0.2f + 0.07f * float(v));
        }
        set("InAl", a_cubic ? 1.0f : 0.0f);
        set("PrMo", a_eight_buffers ? 1.0f : 0.0f);
    }
    ~Instance() { effect->dispatcher(effect, Vst::effClose, 0, 0, nullptr, 0.0f); }
    Vst::AEffect* effect;
};

void run(benchmark::State& a_state, Instance& a_instance, unsigned a_block) {
    std::vector<float> left(a_block), right(a_block);
    std::mt19937 engine(1);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    for (unsigned i = 0; i < a_block; ++i)
        left[i] = noise(engine), right[i] = noise(engine);
    std::vector<float> out_left(a_block), out_right(a_block);
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {out_left.data(), out_right.data()};
    for (auto _ : a_state) {
        a_instance.effect->processReplacing(a_instance.effect, inputs, outputs,
                                            Vst::Int32(a_block));
        benchmark::DoNotOptimize(out_left.data());
        benchmark::ClobberMemory();
    }
    a_state.counters["x_realtime"] = benchmark::Counter(
        double(a_block) / sample_rate, benchmark::Counter::kIsIterationInvariantRate);
}

void entry_overhead(benchmark::State& a_state) {
    Instance instance(0, false, true);
    run(a_state, instance, unsigned(a_state.range(0)));
}

void plugin(benchmark::State& a_state) {
    Instance instance(unsigned(a_state.range(0)), a_state.range(1) != 0, a_state.range(2) != 0);
    run(a_state, instance, unsigned(a_state.range(3)));
}

} // namespace

BENCHMARK(entry_overhead)->ArgName("frames")->Arg(16)->Arg(64)->Arg(256)->Arg(1024);
BENCHMARK(plugin)
    ->ArgNames({"voices", "cubic", "eight_buffers", "frames"})
    ->ArgsProduct({{2, 8}, {0, 1}, {0, 1}, {32, 256, 1024}});
