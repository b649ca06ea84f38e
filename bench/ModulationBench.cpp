// Modulation stage 1 inside the chorus at 48 kHz, all eight voices on: "unmodulated" has no
// modulators, "xy_10x5" ten XY pads with five entries each, aimed at the voices' delays, depths,
// pans and pitch modulation, and the global mix. Both run the whole device per 512-frame host
// block, so the difference is the modulation's cost. x_realtime is seconds of audio per CPU second.

#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/FloatParameter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr float sample_rate = 48000.0f;
constexpr unsigned block = 512;

void private_data_folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/tolvan-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
}

Tonekit::Parameter* find(tolvanchorus::TheEffect& a_effect, const std::string& a_id) {
    const char id[5] = {a_id[0], a_id[1], a_id[2], a_id[3], 0};
    return a_effect.get_program()->get_collection().find(Orvo::four_cc(id));
}

void run(benchmark::State& a_state, unsigned a_modulators, unsigned a_entries) {
    private_data_folder();
    tolvanchorus::TheEffect effect;
    effect.initialize();
    effect.setSampleRate(sample_rate);
    for (unsigned v = 0; v < 8; ++v)
        find(effect, "Ena" + std::to_string(v + 1))->set_normalized_value(1.0f);

    const std::vector<std::string> targets = {"Del", "Dep", "IPa", "OPa", "PiM"};
    Tonekit::ModulationManager& modulation = *effect.get_modulation_manager();
    for (unsigned m = 0; m < a_modulators; ++m) {
        auto* pad = static_cast<Tonekit::XyModulator*>(modulation.add_modulator(
            Tonekit::XyModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, m));
        pad->get_x()->set_normalized_value(0.1f * float(m));
        for (unsigned e = 0; e < a_entries; ++e) {
            Tonekit::ModulatorEntry* entry = modulation.add_entry(pad);
            const std::string id = targets[e % targets.size()] + std::to_string(m % 8 + 1);
            static_cast<Tonekit::Parameter_Modulatee*>(
                entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
                ->set_value(find(effect, id)->get_modulatee());
        }
    }
    {
        std::lock_guard lock(effect.processing_lock());
        effect.commit_all_parameters();
    }

    std::mt19937 random(1);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> left(block), right(block), out_left(block), out_right(block);
    for (unsigned i = 0; i < block; ++i)
        left[i] = noise(random), right[i] = noise(random);
    const float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {out_left.data(), out_right.data()};
    Tonekit::ProcessRequest request;
    request.m_inputs = inputs, request.m_outputs = outputs, request.m_frames = block;
    for (auto _ : a_state) {
        effect.process(request);
        benchmark::DoNotOptimize(out_left.data());
    }
    a_state.counters["x_realtime"] = benchmark::Counter(
        double(a_state.iterations()) * block / sample_rate, benchmark::Counter::kIsRate);
}

void unmodulated(benchmark::State& a_state) {
    run(a_state, 0, 0);
}
void xy_10x5(benchmark::State& a_state) {
    run(a_state, 10, 5);
}

} // namespace

BENCHMARK(unmodulated);
BENCHMARK(xy_10x5);
