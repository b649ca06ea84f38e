// An LFO on voice 1's pitch modulation, stored as a preset by the plug-in's own code and rendered
// by the command-line host with a tempo change and a retriggering note. The output must match the
// frame-by-frame model of the chorus fed with the sweep that the LFO's formulas give for the
// tempo each host block reports and a restart in the block that carries the note.

#include "../host/ProcessRunner.h"
#include "../host/TestAudio.h"
#include "ReferenceChorus.h"

#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/P_Integer.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <mutex>
#include <string>

namespace {

using tolvanchorus::reference::Frame;
using tolvanchorus::reference::ReferenceChorus;
using tolvanchorus::reference::Settings;

constexpr int rate = 48000;
constexpr unsigned block = 512;
constexpr std::size_t tempo_change_frame = 70 * block;
constexpr std::size_t note_frame = 100 * block + 10;
constexpr std::size_t length = 150 * block;

// A quarter-note triangle in tempo mode, Range 1 Above on "Pitch modulation 1", no smoothing.
void write_lfo_preset(const std::string& a_path, const std::string& a_data_home) {
    setenv("XDG_DATA_HOME", a_data_home.c_str(), 1);
    tolvanchorus::TheEffect effect;
    effect.initialize();
    effect.setSampleRate(float(rate));
    Tonekit::ModulationManager& modulation = *effect.get_modulation_manager();
    auto* lfo = static_cast<Tonekit::LfoModulator*>(modulation.add_modulator(
        Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, 0));
    Tonekit::ModulatorEntry* entry = modulation.add_entry(lfo);
    Tonekit::Parameter* pitch = effect.get_program()->get_collection().find(Orvo::four_cc("PiM1"));
    static_cast<Tonekit::Parameter_Modulatee*>(
        entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(pitch->get_modulatee());
    entry->find_parameter(Tonekit::ModifyingModulatorEntry::id_range)->set_normalized_value(1.0f);
    lfo->get_waveform()->set_option(6);
    static_cast<Tonekit::P_GenericChoice*>(lfo->find_parameter(Orvo::four_cc("SmLo")))
        ->set_option(1);
    lfo->get_synchronization_type()->set_option(2);
    lfo->get_denominator()->set_value(4);
    {
        std::lock_guard lock(effect.processing_lock());
        effect.commit_all_parameters();
    }
    effect.get_preset_manager()->save_file(
        Orvo::WString(std::u16string(a_path.begin(), a_path.end())));
    effect.close();
}

// The sweep the LFO's formulas give: the tempo of each host block, a restart at the start of the
// block that carries the note (when a_with_note), the triangle of the running phase.
std::vector<float> model_sweep(bool a_with_tempo_change, bool a_with_note) {
    std::vector<float> sweep(length);
    double phase = 0.0;
    for (std::size_t start = 0; start < length; start += block) {
        const double tempo = a_with_tempo_change && start >= tempo_change_frame ? 90.0 : 120.0;
        const double increment = tempo / (0.25 * 4.0 * 60.0 * rate);
        if (a_with_note && start <= note_frame && note_frame < start + block)
            phase = 0.0;
        for (std::size_t n = start; n < start + block; ++n) {
            const float q = float(phase);
            sweep[n] = std::fabs(std::fabs(2.0f * q - 0.5f) - 1.0f);
            phase += increment;
            if (phase >= 1.0)
                phase -= 1.0;
        }
    }
    return sweep;
}

// Largest difference between the render and the model chorus driven by a_sweep.
float largest_difference(const hosttest::Audio& a_input, const hosttest::Audio& a_output,
                         const std::vector<float>& a_sweep) {
    Settings settings;
    Frame frame;
    default_state(rate, settings, frame);
    ReferenceChorus model(rate);
    float largest = 0.0f;
    for (std::size_t n = 0; n < a_input.frames(); ++n) {
        frame.voices[0].pitch_modulation = a_sweep[n];
        const auto [left, right] =
            model.process(settings, frame, a_input.at(n, 0), a_input.at(n, 1));
        largest = std::max(
            {largest, std::fabs(a_output.at(n, 0) - left), std::fabs(a_output.at(n, 1) - right)});
    }
    return largest;
}

TEST(LfoRender, APitchSweepFollowsTheTempoAndRestartsWithANoteAsTheModelSays) {
    hosttest::TempFolder folder;
    write_lfo_preset(folder.path("lfo.preset"), folder.path("data"));

    const hosttest::Audio input = hosttest::noise(rate, 2, length, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    hosttest::write_audio(folder.path("in.wav"), input);
    // Key 12 matches the first retrigger key definition by default (any channel, C0); the LFO's
    // retrigger key is "Any".
    const auto result =
        hosttest::run_host({"render",         TOLVAN_PLUGIN_PATH,
                            "--in",           folder.path("in.wav"),
                            "--out",          folder.path("out.wav"),
                            "--rate",         std::to_string(rate),
                            "--block",        std::to_string(block),
                            "--tempo",        "120",
                            "--tempo-change", std::to_string(tempo_change_frame) + ":90",
                            "--note",         "1:" + std::to_string(note_frame) + ":12:100:64",
                            "--load-preset",  folder.path("lfo.preset"),
                            "--tail",         "0",
                            "--quiet"},
                           {{"XDG_DATA_HOME", folder.path("data")}});
    ASSERT_EQ(result.m_exit_code, 0) << result.m_err;
    const hosttest::Audio output = hosttest::read_audio(folder.path("out.wav"));
    ASSERT_EQ(output.frames(), input.frames());

    // The model repeats the kernels' single-precision steps, so the render matches it all but
    // exactly; a phase one sample off would already move the read position by 0.02 frames.
    EXPECT_LT(largest_difference(input, output, model_sweep(true, true)), 1e-5f);
    // The same render is far from a model that misses the tempo change or the restart, so the
    // comparison above could tell.
    EXPECT_GT(largest_difference(input, output, model_sweep(false, true)), 0.05f);
    EXPECT_GT(largest_difference(input, output, model_sweep(true, false)), 0.05f);
}

} // namespace
