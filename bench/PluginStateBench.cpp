// The whole plug-in through the host's processReplacing call at 48 kHz, on the saved states of
// bench/data (see ChorusBenchStateGenerator.cpp): "still" (eight cubic voices, no modulators),
// "lfo" (one sine LFO moving the eight voices' pitch modulation in eight phase groups) and
// "lfo_xy" (that and an XY pad on the wet level), in host blocks of 32, 256 and 1024 frames.
// x_realtime is seconds of audio processed per second of CPU time.
//
// The machine may be shared: compare minima of repetitions, e.g.
//   plugin_state_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "BenchHost.h"
#include "chorus/TheEffect.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/vst/VstEntry.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using BenchHost::host;
using BenchHost::private_data_folder;

constexpr float sample_rate = 48000.0f;

struct State {
    const char* name;
    unsigned modulators;
};
constexpr State states[] = {{"still", 0}, {"lfo", 1}, {"lfo_xy", 2}};

std::vector<char> chunk_of(const State& a_state) {
    std::ifstream file(std::string(TOLVAN_BENCH_DATA) + "/" + a_state.name + ".chunk",
                       std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

void plugin_state(benchmark::State& a_state) {
    const State& state = states[a_state.range(0)];
    const auto frames = unsigned(a_state.range(1));
    a_state.SetLabel(state.name);
    private_data_folder();
    Vst::AEffect* effect = Tonekit::create_vst_effect<tolvanchorus::TheEffect>(host);
    effect->dispatcher(effect, Vst::effSetSampleRate, 0, 0, nullptr, sample_rate);
    std::vector<char> chunk = chunk_of(state);
    effect->dispatcher(effect, Vst::effSetChunk, 0, Vst::IntPtr(chunk.size()), chunk.data(), 0.0f);
    auto* adapter = static_cast<Tonekit::VstHost*>(effect->object);
    if (chunk.empty() || adapter->get_device()->get_modulation_manager()->get_modulator_count() !=
                             state.modulators) {
        a_state.SkipWithError("the state did not load; run chorus_bench_state_generator");
        effect->dispatcher(effect, Vst::effClose, 0, 0, nullptr, 0.0f);
        return;
    }

    std::vector<float> left(frames), right(frames), out_left(frames), out_right(frames);
    std::mt19937 engine(1);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    for (unsigned i = 0; i < frames; ++i)
        left[i] = noise(engine), right[i] = noise(engine);
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {out_left.data(), out_right.data()};
    for (auto _ : a_state) {
        effect->processReplacing(effect, inputs, outputs, Vst::Int32(frames));
        benchmark::DoNotOptimize(out_left.data());
        benchmark::ClobberMemory();
    }
    a_state.counters["x_realtime"] = benchmark::Counter(
        double(frames) / sample_rate, benchmark::Counter::kIsIterationInvariantRate);
    effect->dispatcher(effect, Vst::effClose, 0, 0, nullptr, 0.0f);
}

} // namespace

BENCHMARK(plugin_state)
    ->ArgNames({"state", "frames"})
    ->ArgsProduct({{0, 1, 2}, {32, 256, 1024}})
    // The least disturbed repetition is the best estimate on a busy machine: its times are in
    // the "min" row, its x_realtime in the "max" row.
    ->ComputeStatistics("min",
                        [](const std::vector<double>& a_values) {
                            return *std::min_element(a_values.begin(), a_values.end());
                        })
    ->ComputeStatistics("max", [](const std::vector<double>& a_values) {
        return *std::max_element(a_values.begin(), a_values.end());
    });
