// Modulation stage 1 inside the chorus at 48 kHz, all eight voices on: "unmodulated" has no
// modulators, "xy_10x5" ten XY pads with five entries each, aimed at the voices' delays, depths,
// pans and pitch modulation, and the global mix; "lfo_4x4" four LFOs (four waveforms, each with a
// second phase group) with four entries each, aimed at every voice's pitch modulation, four depths
// and four output pans. All run the whole device per 512-frame host block, so the difference is
// the modulation's cost. x_realtime is seconds of audio per CPU second.

#include "BenchHost.h"
#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_Boolean.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using BenchHost::private_data_folder;

constexpr float sample_rate = 48000.0f;
constexpr unsigned block = 512;

Tonekit::Parameter* find(tolvanchorus::TheEffect& a_effect, const std::string& a_id) {
    const char id[5] = {a_id[0], a_id[1], a_id[2], a_id[3], 0};
    return a_effect.get_program()->get_collection().find(Orvo::four_cc(id));
}

void aim(tolvanchorus::TheEffect& a_effect, Tonekit::ModulatorEntry* a_entry,
         const std::string& a_id) {
    static_cast<Tonekit::Parameter_Modulatee*>(
        a_entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(find(a_effect, a_id)->get_modulatee());
}

void xy_pads(tolvanchorus::TheEffect& a_effect, unsigned a_modulators, unsigned a_entries) {
    const std::vector<std::string> targets = {"Del", "Dep", "IPa", "OPa", "PiM"};
    Tonekit::ModulationManager& modulation = *a_effect.get_modulation_manager();
    for (unsigned m = 0; m < a_modulators; ++m) {
        auto* pad = static_cast<Tonekit::XyModulator*>(modulation.add_modulator(
            Tonekit::XyModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, m));
        pad->get_x()->set_normalized_value(0.1f * float(m));
        for (unsigned e = 0; e < a_entries; ++e)
            aim(a_effect, modulation.add_entry(pad),
                targets[e % targets.size()] + std::to_string(m % 8 + 1));
    }
}

void lfos(tolvanchorus::TheEffect& a_effect) {
    const char* targets[4][4] = {{"PiM1", "PiM2", "PiM3", "PiM4"},
                                 {"PiM5", "PiM6", "PiM7", "PiM8"},
                                 {"Dep1", "Dep2", "Dep3", "Dep4"},
                                 {"OPa1", "OPa2", "OPa3", "OPa4"}};
    Tonekit::ModulationManager& modulation = *a_effect.get_modulation_manager();
    for (unsigned m = 0; m < 4; ++m) {
        auto* lfo = static_cast<Tonekit::LfoModulator*>(modulation.add_modulator(
            Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, m));
        // Sine (hp), sine (lp), square, triangle.
        lfo->get_waveform()->set_option(3 + m);
        lfo->get_frequency_factor()->set_normalized_value(0.4f + 0.05f * float(m));
        for (unsigned e = 0; e < 4; ++e) {
            auto* entry = static_cast<Tonekit::LfoModulatorEntry*>(modulation.add_entry(lfo));
            aim(a_effect, entry, targets[m][e]);
            if (e == 2) {
                static_cast<Tonekit::P_Boolean*>(
                    entry->find_parameter(Tonekit::LfoModulatorEntry::id_start_phase_group))
                    ->set_value(true);
                entry->get_phase()->set_normalized_value(0.25f);
            }
        }
    }
}

void run(benchmark::State& a_state,
         const std::function<void(tolvanchorus::TheEffect&)>& a_modulate) {
    private_data_folder();
    tolvanchorus::TheEffect effect;
    effect.initialize();
    effect.setSampleRate(sample_rate);
    for (unsigned v = 0; v < 8; ++v)
        find(effect, "Ena" + std::to_string(v + 1))->set_normalized_value(1.0f);
    a_modulate(effect);
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
    run(a_state, [](tolvanchorus::TheEffect&) {});
}
void xy_10x5(benchmark::State& a_state) {
    run(a_state, [](tolvanchorus::TheEffect& a_effect) { xy_pads(a_effect, 10, 5); });
}
void lfo_4x4(benchmark::State& a_state) {
    run(a_state, lfos);
}

} // namespace

BENCHMARK(unmodulated);
BENCHMARK(xy_10x5);
BENCHMARK(lfo_4x4);
