// Writes the factory bank, one .preset file per description below, built through the chorus's
// own code. Run it after a change to the chorus's parameters, the modulation or the stored format,
// and commit the result (a test fails while the committed files differ from what it writes):
//   <build>/chorus/presets/chorus_factory_preset_generator chorus/presets/factory
//
// Read positions run from Delay (pitch modulation 1) to Delay + Depth (pitch modulation 0); every
// LFO here sweeps its voices over the whole depth.

#include "chorus/presets/PresetSketch.h"
#include "orvo/Core/Exception.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

using tolvanchorus::Cycle;
using tolvanchorus::Mode;
using tolvanchorus::PanLaw;
using tolvanchorus::PresetSketch;
using tolvanchorus::Wave;

struct Description {
    const char* m_name;
    void (*m_build)(PresetSketch&);
};

const Description bank[] = {
    {"Classic Two-Voice Chorus",
     [](PresetSketch& p) {
         p.voices({{12.0f, 4.0f, -1.0f}, {12.0f, 4.0f, 1.0f}}).mix(0.7f, 0.7f);
         p.lfo(Wave::sine, Cycle::seconds(5, 4), {1, 2}, 0.5f);
     }},
    {"Lush Eight-Voice Ensemble",
     [](PresetSketch& p) {
         p.voices({{9.0f, 3.0f, -1.0f},
                   {11.0f, 3.5f, 1.0f},
                   {13.0f, 4.0f, -0.7f},
                   {15.0f, 4.5f, 0.7f},
                   {17.0f, 5.0f, -0.4f},
                   {19.0f, 5.0f, 0.4f},
                   {21.0f, 5.5f, -0.15f},
                   {23.0f, 5.5f, 0.15f}})
             .mix(0.6f, 0.35f)
             .mode(Mode::eight_buffers)
             .pan_laws(PanLaw::sine_3db, PanLaw::sine_3db);
         p.lfo(Wave::triangle, Cycle::seconds(3, 1), {1, 2, 3, 4, 5, 6, 7, 8}, 1.0f / 8.0f);
     }},
    {"Subtle Stereo Widener",
     [](PresetSketch& p) {
         p.voices({{7.0f, 0.6f, -1.0f}, {11.0f, 0.6f, 1.0f}})
             .mix(1.0f, 0.35f)
             .pan_laws(PanLaw::linear_6db, PanLaw::root_3db);
         p.lfo(Wave::sine, Cycle::seconds(6, 1), {1, 2}, 0.5f);
     }},
    {"Doubler",
     [](PresetSketch& p) {
         p.voices({{24.0f, 1.5f, -0.6f}, {33.0f, 1.5f, 0.6f}}).mix(0.8f, 0.6f);
         p.lfo(Wave::sine, Cycle::seconds(7, 1), {1, 2}, 0.25f);
     }},
    {"Vibrato",
     [](PresetSketch& p) {
         p.voices({{3.0f, 1.2f, -1.0f}, {3.0f, 1.2f, 1.0f}}).mix(0.0f, 1.0f);
         p.lfo(Wave::sine, Cycle::seconds(2, 11), {1, 2}, 0.0f);
     }},
    {"Short Delay Flanger",
     [](PresetSketch& p) {
         p.voices({{0.3f, 2.5f, -1.0f}, {0.3f, 2.5f, 1.0f}}).mix(0.7f, 0.7f);
         p.lfo(Wave::triangle, Cycle::seconds(8, 1), {1, 2}, 0.25f);
     }},
    {"Slow Shimmer Pad",
     [](PresetSketch& p) {
         p.voices({{16.0f, 6.0f, -1.0f},
                   {20.0f, 6.0f, 1.0f},
                   {24.0f, 6.0f, -0.6f},
                   {28.0f, 6.0f, 0.6f},
                   {32.0f, 6.0f, -0.2f},
                   {36.0f, 6.0f, 0.2f}})
             .mix(0.6f, 0.4f)
             .mode(Mode::eight_buffers)
             .pan_laws(PanLaw::sine_3db, PanLaw::sine_3db);
         p.lfo(Wave::sine, Cycle::seconds(11, 1), {1, 2, 3, 4, 5, 6}, 1.0f / 6.0f);
     }},
    {"Quarter-Note Pulse",
     [](PresetSketch& p) {
         p.voices({{10.0f, 4.0f, -1.0f},
                   {14.0f, 4.0f, 1.0f},
                   {18.0f, 4.0f, -0.5f},
                   {22.0f, 4.0f, 0.5f}})
             .mix(0.7f, 0.45f);
         p.lfo(Wave::triangle, Cycle::note(1, 4), {1, 2, 3, 4}, 0.25f);
     }},
    {"Dotted-Eighth Swirl",
     [](PresetSketch& p) {
         p.voices(
              {{8.0f, 3.0f, -1.0f}, {12.0f, 3.0f, 1.0f}, {16.0f, 3.0f, -0.5f}, {20.0f, 3.0f, 0.5f}})
             .mix(0.7f, 0.45f)
             .pan_laws(PanLaw::sine_3db, PanLaw::sine_3db);
         p.lfo(Wave::sine, Cycle::note(1, 8, true), {1, 2, 3, 4}, 0.5f);
     }},
    {"Note-Retriggered Sweep",
     [](PresetSketch& p) {
         p.voices(
              {{6.0f, 8.0f, -1.0f}, {7.0f, 8.0f, 1.0f}, {8.0f, 8.0f, -0.4f}, {9.0f, 8.0f, 0.4f}})
             .mix(0.7f, 0.45f);
         // One rise and fall over two bars, started afresh by each note on a retrigger key.
         p.retrigger_on_any_key(p.lfo(Wave::triangle, Cycle::note(2, 1), {1, 2, 3, 4}, 0.0f));
     }},
    {"Detuned Thickener",
     [](PresetSketch& p) {
         p.voices({{18.0f, 1.0f, -1.0f},
                   {21.0f, 1.0f, 1.0f},
                   {25.0f, 1.0f, -0.5f},
                   {28.0f, 1.0f, 0.5f}})
             .mix(0.8f, 0.4f);
         // Two LFOs whose cycles never line up keep the detuning from repeating audibly.
         p.lfo(Wave::sine, Cycle::seconds(7, 4), {1, 2}, 0.5f);
         p.lfo(Wave::sine, Cycle::seconds(9, 4), {3, 4}, 0.5f);
     }},
    {"XY Performance Pad",
     [](PresetSketch& p) {
         p.voices({{10.0f, 5.0f, -1.0f},
                   {13.0f, 5.0f, 1.0f},
                   {16.0f, 5.0f, -0.5f},
                   {19.0f, 5.0f, 0.5f}})
             .mix(0.7f, 0.15f)
             .choose("DpTr", 4)
             .set("DpSc", 0.2f);
         p.lfo(Wave::sine, Cycle::seconds(2, 1), {1, 2, 3, 4}, 0.25f);
         // X on host slot 1 brings the chorus in, Y on slot 2 deepens it.
         auto* pad = p.xy_pad(0.5f, 0.5f);
         p.xy_entry(pad, 0, "Wet ", 0.5f);
         p.xy_entry(pad, 1, "DpSc", 0.8f);
     }},
    {"Mono-Safe Chorus",
     [](PresetSketch& p) {
         p.voices({{11.0f, 3.0f, -0.3f}, {15.0f, 3.0f, 0.3f}})
             .mix(0.75f, 0.5f)
             .mode(Mode::two_buffers)
             .pan_laws(PanLaw::root_3db, PanLaw::root_3db);
         p.lfo(Wave::sine, Cycle::seconds(3, 2), {1, 2}, 0.5f);
     }},
    {"Lo-Fi Tape Wobble",
     [](PresetSketch& p) {
         p.voices({{5.0f, 6.0f, -0.2f}, {5.0f, 6.0f, 0.2f}}).mix(0.25f, 0.6f).cubic(false);
         p.lfo(Wave::triangle, Cycle::seconds(5, 2), {1, 2}, 0.0f);
     }},
    {"Song-Locked Drift",
     [](PresetSketch& p) {
         p.voices({{9.0f, 4.0f, -1.0f},
                   {12.0f, 4.0f, 1.0f},
                   {15.0f, 4.0f, -0.7f},
                   {18.0f, 4.0f, 0.7f},
                   {21.0f, 4.0f, -0.4f},
                   {24.0f, 4.0f, 0.4f},
                   {27.0f, 4.0f, -0.1f},
                   {30.0f, 4.0f, 0.1f}})
             .mix(0.65f, 0.3f)
             .mode(Mode::eight_buffers)
             .pan_laws(PanLaw::sine_3db_fast, PanLaw::sine_3db_fast);
         p.lfo(Wave::sine, Cycle::whole_notes(2), {1, 2, 3, 4, 5, 6, 7, 8}, 1.0f / 8.0f);
     }},
    {"Rotary Doppler",
     [](PresetSketch& p) {
         p.voices({{2.0f, 0.8f, -1.0f}, {2.0f, 0.8f, 1.0f}})
             .mix(0.5f, 0.7f)
             .pan_laws(PanLaw::sine_3db, PanLaw::sine_3db);
         // The two sides move against each other, as a horn turning past a pair of microphones.
         p.lfo(Wave::sine, Cycle::seconds(3, 20), {1, 2}, 0.5f);
     }},
};

void write_file(const std::filesystem::path& a_path, const std::vector<unsigned char>& a_bytes) {
    std::ofstream file(a_path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(a_bytes.data()), std::streamsize(a_bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + a_path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    // The user's settings stay out of the presets, and the chorus's own start-up writes nothing
    // into the user's folders.
    char home[] = "/tmp/tolvan-factory-presets-XXXXXX";
    if (!mkdtemp(home) || setenv("XDG_DATA_HOME", home, 1) != 0) {
        std::fprintf(stderr, "no temporary data folder\n");
        return 1;
    }
    int status = 0;
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const Description& description : bank) {
            PresetSketch sketch;
            description.m_build(sketch);
            write_file(folder / (std::string(description.m_name) + ".preset"), sketch.bytes());
        }
    } catch (const Orvo::Exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        status = 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        status = 1;
    }
    std::filesystem::remove_all(home);
    return status;
}
