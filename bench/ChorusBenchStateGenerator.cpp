// Writes the states that plugin_state_bench measures, as host chunks, built through the
// framework's own API so that they stay loadable whatever the stored format becomes. Run it again
// after a change to the format or the chorus's parameters and commit the result:
//   <build>/bench/chorus_bench_state_generator bench/data
//
//   still.chunk   the eight voices on, cubic interpolation, no modulators: voices that stand still;
//   lfo.chunk     the same with one sine LFO whose eight entries move "Pitch modulation 1" to "8",
//                 each entry opening its own phase group, the phases 0, 1/8, ... 7/8 apart;
//   lfo_xy.chunk  the same again with an XY pad on the wet level.

#include "chorus/TheEffect.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/Modulation/XyModulator.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_Boolean.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

Tonekit::Parameter* find(tolvanchorus::TheEffect& a_chorus, const std::string& a_id) {
    const char id[5] = {a_id[0], a_id[1], a_id[2], a_id[3], 0};
    Tonekit::Parameter* parameter =
        a_chorus.get_program()->get_collection().find(Orvo::four_cc(id));
    if (!parameter)
        throw std::runtime_error("no parameter " + a_id);
    return parameter;
}

// Eight voices spread across the stereo field at staggered delays, read with the cubic.
std::unique_ptr<tolvanchorus::TheEffect> still_chorus() {
    auto chorus = std::make_unique<tolvanchorus::TheEffect>();
    chorus->initialize();
    chorus->setSampleRate(48000.0f);
    for (unsigned v = 0; v < 8; ++v) {
        const std::string voice = std::to_string(v + 1);
        find(*chorus, "Ena" + voice)->set_normalized_value(1.0f);
        find(*chorus, "IPa" + voice)->set_normalized_value(float(v) / 7.0f);
        find(*chorus, "OPa" + voice)->set_normalized_value(1.0f - float(v) / 7.0f);
        find(*chorus, "Del" + voice)->set_normalized_value(0.2f + 0.07f * float(v));
    }
    find(*chorus, "InAl")->set_normalized_value(1.0f);
    return chorus;
}

void aim(tolvanchorus::TheEffect& a_chorus, Tonekit::ModulatorEntry* a_entry,
         const std::string& a_target) {
    static_cast<Tonekit::Parameter_Modulatee*>(
        a_entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(find(a_chorus, a_target)->get_modulatee());
}

void add_lfo(tolvanchorus::TheEffect& a_chorus) {
    Tonekit::ModulationManager& modulation = *a_chorus.get_modulation_manager();
    auto* lfo = static_cast<Tonekit::LfoModulator*>(modulation.add_modulator(
        Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, 0));
    for (unsigned v = 0; v < 8; ++v) {
        auto* entry = static_cast<Tonekit::LfoModulatorEntry*>(modulation.add_entry(lfo));
        aim(a_chorus, entry, "PiM" + std::to_string(v + 1));
        static_cast<Tonekit::P_Boolean*>(
            entry->find_parameter(Tonekit::LfoModulatorEntry::id_start_phase_group))
            ->set_value(true);
        entry->get_phase()->set_normalized_value(float(v) / 8.0f);
    }
}

void add_xy_pad(tolvanchorus::TheEffect& a_chorus) {
    Tonekit::ModulationManager& modulation = *a_chorus.get_modulation_manager();
    Tonekit::Modulator* pad =
        modulation.add_modulator(Tonekit::XyModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE,
                                 modulation.get_modulator_count());
    aim(a_chorus, modulation.add_entry(pad), "Wet ");
}

void write_chunk(tolvanchorus::TheEffect& a_chorus, const std::filesystem::path& a_path) {
    Orvo::ExpandingOutputStream output(4096);
    a_chorus.get_preset_manager()->save(output, Tonekit::PresetManager::Section_ALL);
    std::vector<unsigned char> bytes(std::size_t(output.get_size()));
    output.copy_to(bytes.data());
    std::ofstream file(a_path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + a_path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <bench-data-folder>\n", argv[0]);
        return 2;
    }
    // The user's own settings and presets stay out of the states.
    char home[] = "/tmp/tolvan-bench-states-XXXXXX";
    if (!mkdtemp(home) || setenv("XDG_DATA_HOME", home, 1) != 0) {
        std::fprintf(stderr, "no temporary data folder\n");
        return 1;
    }
    try {
        const std::filesystem::path folder = argv[1];
        auto chorus = still_chorus();
        write_chunk(*chorus, folder / "still.chunk");
        add_lfo(*chorus);
        write_chunk(*chorus, folder / "lfo.chunk");
        add_xy_pad(*chorus);
        write_chunk(*chorus, folder / "lfo_xy.chunk");
    } catch (const Orvo::Exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    std::filesystem::remove_all(home);
    return 0;
}
