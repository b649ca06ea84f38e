// Hands arbitrary bytes to the chorus as a preset file, through the preset manager's file load,
// and checks, for every input I:
//
//  1. Loading either succeeds or throws Orvo::Exception "An error occurred while loading the
//     preset." with the cause inside. Any other exception, a crash, a leak or an out-of-bounds
//     access is a finding.
//  2. The chorus then processes audio (with an edit being smoothed) into finite samples only.
//  3. When the load failed, the preset the chorus would save is exactly that of a fresh chorus:
//     nothing of I survives a failed load.
//  4. When the load succeeded, the preset P it saves, written to a file and loaded by another
//     fresh chorus, saves as exactly P again.

#include "ChorusFuzzSupport.h"

#include "orvo/Core/Exception.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr const char* target = "PresetFileFuzz";

const std::filesystem::path& preset_path() {
    static const std::filesystem::path path = ChorusFuzz::data_home() / "input.preset";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size) {
    using namespace ChorusFuzz;
    static const Bytes clean = preset_bytes(*fresh_chorus());
    write_bytes(preset_path(), Bytes(a_data, a_data + a_size));

    auto chorus = fresh_chorus();
    bool loaded = true;
    try {
        chorus->get_preset_manager()->load_file(wide(preset_path()));
    } catch (const Orvo::Exception& failure) {
        if (failure.get_message() != Tonekit::PresetManager::load_error)
            fail(target, "a failed load threw another message");
        if (!failure.get_inner())
            fail(target, "a failed load lost its cause");
        loaded = false;
    }
    // Saved before the audio check, whose edit changes the program.
    const Bytes saved = preset_bytes(*chorus);
    if (!sounds_finite(*chorus))
        fail(target, "the chorus gave a non-finite sample after the load");
    if (!loaded) {
        if (saved != clean) {
            print_difference(clean, saved);
            fail(target, "a failed load left something of the file behind");
        }
        return 0;
    }
    write_bytes(preset_path(), saved);
    auto again = fresh_chorus();
    again->get_preset_manager()->load_file(wide(preset_path()));
    if (const Bytes reloaded = preset_bytes(*again); reloaded != saved) {
        print_difference(saved, reloaded);
        fail(target, "a loaded preset did not survive saving and loading again");
    }
    return 0;
}
