// The whole plug-in through the host's processReplacing call at 48 kHz: the adapter, the
// device's processing entry (commit pass, MIDI drain, control-block walk) and the chorus.
//
// "entry_overhead" has every voice off, so what it measures is the framework around the signal
// path plus the dry mix. "modulated" runs all eight voices (cubic, eight buffers) with no LFO and
// with four LFOs of four entries each (pitch modulation of every voice, four depths and four
// output pans), so the two figures sit side by side. x_realtime is seconds of audio processed per
// second of CPU time.

#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/vst/VstEntry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr float sample_rate = 48000.0f;

Vst::IntPtr host(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*, float) {
    return a_opcode == Vst::audioMasterVersion ? 2400 : 0;
}

// Keeps the user's own settings and presets out of the measurement.
void private_data_folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/tolvan-bench-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
}

struct Instance {
    Instance(unsigned a_voices, bool a_cubic, bool a_eight_buffers, unsigned a_lfos = 0) {
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
        add_lfos(*adapter->get_device(), a_lfos);
    }
    // Each LFO a different waveform and speed, its second entry opening a phase group.
    static void add_lfos(Tonekit::Device& a_device, unsigned a_count) {
        Tonekit::ModulationManager& modulation = *a_device.get_modulation_manager();
        Tonekit::ParameterCollection& parameters = a_device.get_program()->get_collection();
        const std::uint32_t targets[4][4] = {{Orvo::four_cc("PiM1"), Orvo::four_cc("PiM2"),
                                              Orvo::four_cc("PiM3"), Orvo::four_cc("PiM4")},
                                             {Orvo::four_cc("PiM5"), Orvo::four_cc("PiM6"),
                                              Orvo::four_cc("PiM7"), Orvo::four_cc("PiM8")},
                                             {Orvo::four_cc("Dep1"), Orvo::four_cc("Dep2"),
                                              Orvo::four_cc("Dep3"), Orvo::four_cc("Dep4")},
                                             {Orvo::four_cc("OPa1"), Orvo::four_cc("OPa2"),
                                              Orvo::four_cc("OPa3"), Orvo::four_cc("OPa4")}};
        for (unsigned l = 0; l < a_count && l < 4; ++l) {
            auto* lfo = static_cast<Tonekit::LfoModulator*>(modulation.add_modulator(
                Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, ~0u));
            lfo->get_waveform()->set_option(3 + l % 4);
            lfo->get_frequency_factor()->set_normalized_value(0.4f + 0.05f * float(l));
            for (unsigned e = 0; e < 4; ++e) {
                auto* entry = static_cast<Tonekit::LfoModulatorEntry*>(modulation.add_entry(lfo));
                static_cast<Tonekit::Parameter_Modulatee*>(
                    entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
                    ->set_value(parameters.find(targets[l][e])->get_modulatee());
                if (e == 1) {
                    static_cast<Tonekit::P_Boolean*>(
                        entry->find_parameter(Tonekit::LfoModulatorEntry::id_start_phase_group))
                        ->set_value(true);
                    entry->get_phase()->set_normalized_value(0.25f);
                }
            }
        }
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

void modulated(benchmark::State& a_state) {
    Instance instance(8, true, true, unsigned(a_state.range(0)));
    run(a_state, instance, unsigned(a_state.range(1)));
}

} // namespace

BENCHMARK(modulated)->ArgNames({"lfos", "frames"})->ArgsProduct({{0, 4}, {64, 256, 1024}});
BENCHMARK(entry_overhead)->ArgName("frames")->Arg(16)->Arg(64)->Arg(256)->Arg(1024);
BENCHMARK(plugin)
    ->ArgNames({"voices", "cubic", "eight_buffers", "frames"})
    ->ArgsProduct({{2, 8}, {0, 1}, {0, 1}, {32, 256, 1024}});
