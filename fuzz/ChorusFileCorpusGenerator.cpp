// Writes the seed files of fuzz/corpus/preset_file and fuzz/corpus/settings_file: chorus presets
// and settings files in their default and in changed states. Run it again after a change to the
// formats or the chorus's parameters and commit the result:
//   <build>/fuzz/chorus_file_corpus_generator fuzz/corpus/preset_file fuzz/corpus/settings_file \
//       tests/stress/data

#include "ChorusFuzzSupport.h"

#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include <stdexcept>
#include <string>

namespace {

using namespace ChorusFuzz;

void copy_written_file(const std::filesystem::path& a_from, const std::filesystem::path& a_to) {
    const Bytes bytes = read_bytes(a_from);
    if (bytes.empty())
        throw std::runtime_error("nothing was written to " + a_from.string());
    write_bytes(a_to, bytes);
}

void set(tolvanchorus::TheEffect& a_chorus, std::uint32_t a_id, float a_value) {
    Tonekit::Parameter* parameter = a_chorus.get_program()->get_collection().find(a_id);
    if (!parameter)
        throw std::runtime_error("no parameter " + Orvo::to_utf8(Orvo::four_cc_text(a_id).view()));
    parameter->set_normalized_value(a_value);
}

// An entry of a_modulator placed on a_target "Around" with half its range.
Tonekit::ModulatorEntry* route(tolvanchorus::TheEffect& a_chorus, Tonekit::Modulator* a_modulator,
                               Tonekit::Parameter* a_target) {
    if (!a_target || !a_target->get_modulatee())
        throw std::runtime_error("no modulation target");
    Tonekit::ModulatorEntry* entry = a_chorus.get_modulation_manager()->add_entry(a_modulator);
    static_cast<Tonekit::Parameter_Modulatee*>(
        entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(a_target->get_modulatee());
    static_cast<Tonekit::P_GenericChoice*>(
        entry->find_parameter(Tonekit::ModifyingModulatorEntry::id_location))
        ->set_option(5);
    return entry;
}

// An LFO on two voices' pitch, an XY pad on the wet level and on the LFO's own amount, and the
// LFO's frequency factor on the first assignable slot: every part of the modulation subtree.
void add_modulation(tolvanchorus::TheEffect& a_chorus) {
    using Orvo::four_cc;
    Tonekit::ModulationManager& modulation = *a_chorus.get_modulation_manager();
    Tonekit::ParameterCollection& program = a_chorus.get_program()->get_collection();
    Tonekit::Modulator* xy = modulation.add_modulator(7, Tonekit::ProcessingStage_PRE_NOTE, 0);
    Tonekit::Modulator* lfo = modulation.add_modulator(3, Tonekit::ProcessingStage_PRE_NOTE, 1);
    route(a_chorus, lfo, program.find(four_cc("PiM1")));
    route(a_chorus, lfo, program.find(four_cc("PiM2")));
    route(a_chorus, xy, program.find(four_cc("Wet ")));
    route(a_chorus, xy, lfo->find_parameter(four_cc("Amnt")));
    a_chorus.get_program()->assign(0, lfo->find_parameter(four_cc("FrFa")));
}

// The same modulation with the upper half of the slots taken by the modulators' parameters that
// are offered for assignment: the state whose automation the stress host plays while it loads
// and removes those modulators.
void assign_upper_slots(tolvanchorus::TheEffect& a_chorus) {
    Tonekit::DeviceProgram& program = *a_chorus.get_program();
    unsigned slot = program.get_slot_count() / 2;
    const auto offer = [&](Tonekit::ParameterCollection& a_parameters) {
        for (Tonekit::Parameter* parameter : a_parameters.get_parameters())
            if (parameter->m_offered_for_slot_assignment && slot < program.get_slot_count())
                program.assign(slot++, parameter);
    };
    Tonekit::ModulationManager& modulation = *a_chorus.get_modulation_manager();
    for (unsigned index = 0; index < modulation.get_modulator_count(); ++index) {
        Tonekit::Modulator* modulator = modulation.get_modulator(index);
        offer(modulator->get_parameters());
        for (const auto& entry : modulator->m_entries)
            offer(entry->get_parameters());
    }
    if (slot < program.get_slot_count())
        throw std::runtime_error("too few parameters to fill the upper slots");
}

void write_presets(const std::filesystem::path& a_folder,
                   const std::filesystem::path& a_chunk_folder) {
    const std::filesystem::path scratch = data_home() / "scratch.preset";
    auto plain = fresh_chorus();
    plain->get_preset_manager()->save_file(wide(scratch));
    copy_written_file(scratch, a_folder / "default.preset");

    auto changed = fresh_chorus();
    // A float of each kind, a choice, switches and a second voice.
    using Orvo::four_cc;
    for (const auto& [id, value] : {std::pair{four_cc("Dry "), 0.2f},
                                    {four_cc("Wet "), 0.8f},
                                    {four_cc("DlOf"), 0.3f},
                                    {four_cc("DpSc"), 0.6f},
                                    {four_cc("PrMo"), 0.9f},
                                    {four_cc("InAl"), 0.1f},
                                    {four_cc("Ena2"), 1.0f},
                                    {four_cc("Sol3"), 1.0f},
                                    {four_cc("Del2"), 0.75f},
                                    {four_cc("OPa2"), 0.1f},
                                    {four_cc("IPL4"), 0.7f},
                                    {four_cc("PiM5"), 0.4f}})
        set(*changed, id, value);
    changed->get_preset_manager()->save_file(wide(scratch));
    copy_written_file(scratch, a_folder / "changed.preset");

    auto modulated = fresh_chorus();
    add_modulation(*modulated);
    modulated->get_preset_manager()->save_file(wide(scratch));
    copy_written_file(scratch, a_folder / "modulated.preset");
    // The same state as a host chunk, for the stress host to start its storm from.
    if (!a_chunk_folder.empty()) {
        const unsigned all = Tonekit::PresetManager::Section_ALL;
        write_bytes(a_chunk_folder / "modulated.chunk", preset_bytes(*modulated, all));
        assign_upper_slots(*modulated);
        write_bytes(a_chunk_folder / "automated.chunk", preset_bytes(*modulated, all));
    }
}

void write_settings(const std::filesystem::path& a_folder) {
    const std::filesystem::path scratch = data_home() / "scratch.data";
    auto plain = fresh_chorus();
    plain->get_global_settings()->save(wide(scratch));
    copy_written_file(scratch, a_folder / "default.data");

    auto changed = fresh_chorus();
    Tonekit::DeviceSettingsParameters& settings = changed->get_global_settings()->get_parameters();
    settings.m_smoothing->set_option(2);
    settings.m_parameter_precision->set_option(1);
    settings.m_modulation_visualization->set_option(3);
    settings.m_smoothness->set_normalized_value(0.25f);
    settings.m_retrigger_keys[0]->set_normalized_value(0.0f);
    changed->get_global_settings()->save(wide(scratch));
    copy_written_file(scratch, a_folder / "changed.data");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr,
                     "usage: %s <preset-corpus-folder> <settings-corpus-folder> "
                     "[<stress-chunk-folder>]\n",
                     argv[0]);
        return 2;
    }
    try {
        write_presets(argv[1], argc == 4 ? argv[3] : "");
        write_settings(argv[2]);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
