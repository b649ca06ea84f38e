// Puts arbitrary bytes where the chorus keeps its settings file ("Settings.data") and starts a
// chorus over it, which loads the file through the global settings. Checks, for every input I:
//
//  1. The chorus starts: a damaged settings file is never an error (the defaults apply).
//  2. The new instance's settings show the values of the global ones it started from. (Only the
//     values: a file may store a normalized value that disagrees with its value, and the global
//     settings keep both as stored, while a copy derives the normalized value afresh.)
//  3. The chorus processes audio (with an edit being smoothed) into finite samples only.
//  4. The global settings saved as a file G start another chorus whose global settings save as
//     exactly G again: whatever a file makes of the settings, a saved file gives back.

#include "ChorusFuzzSupport.h"

#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"

#include <cstddef>
#include <cstdint>
#include <exception>

namespace {

constexpr const char* target = "SettingsFileFuzz";

std::unique_ptr<tolvanchorus::TheEffect> start_chorus() {
    try {
        return ChorusFuzz::fresh_chorus();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        ChorusFuzz::fail(target, "a settings file kept the chorus from starting");
    }
}

bool same_values(Tonekit::ParameterCollection& a_first, Tonekit::ParameterCollection& a_second) {
    const auto& first = a_first.get_parameters();
    const auto& second = a_second.get_parameters();
    if (first.size() != second.size())
        return false;
    for (std::size_t i = 0; i < first.size(); ++i) {
        Orvo::WString first_text, second_text;
        first[i]->get_value_text(first_text);
        second[i]->get_value_text(second_text);
        if (first[i]->get_id() != second[i]->get_id() || first_text != second_text) {
            std::fprintf(stderr, "parameter %zu: \"%s\" and \"%s\"\n", i,
                         Orvo::to_utf8(first_text.view()).c_str(),
                         Orvo::to_utf8(second_text.view()).c_str());
            return false;
        }
    }
    return true;
}

const std::filesystem::path& settings_path() {
    static const std::filesystem::path path = [] {
        auto chorus = start_chorus();
        return std::filesystem::path(Orvo::to_utf8(chorus->get_settings_path().view()));
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size) {
    using namespace ChorusFuzz;
    write_bytes(settings_path(), Bytes(a_data, a_data + a_size));

    auto chorus = start_chorus();
    Tonekit::DeviceGlobalSettings& global = *chorus->get_global_settings();
    if (!same_values(chorus->get_instance_settings()->get_collection(), global.get_collection()))
        fail(target, "the instance did not start from the global settings");
    if (!sounds_finite(*chorus))
        fail(target, "the chorus gave a non-finite sample with these settings");

    global.save(wide(settings_path()));
    const Bytes saved = read_bytes(settings_path());
    auto again = start_chorus();
    again->get_global_settings()->save(wide(settings_path()));
    if (read_bytes(settings_path()) != saved)
        fail(target, "saved settings did not survive loading and saving again");
    return 0;
}
