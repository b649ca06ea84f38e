// Writes the seed files of fuzz/corpus/preset_file and fuzz/corpus/settings_file: chorus presets
// and settings files in their default and in changed states. Run it again after a change to the
// formats or the chorus's parameters and commit the result:
//   <build>/fuzz/chorus_file_corpus_generator fuzz/corpus/preset_file fuzz/corpus/settings_file

#include "ChorusFuzzSupport.h"

#include "orvo/Core/Exception.h"
#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
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

void write_presets(const std::filesystem::path& a_folder) {
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
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <preset-corpus-folder> <settings-corpus-folder>\n",
                     argv[0]);
        return 2;
    }
    try {
        write_presets(argv[1]);
        write_settings(argv[2]);
    } catch (const Orvo::Exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
