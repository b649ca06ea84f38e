#pragma once
// What the chorus file fuzzers and their corpus generators share: a data home of their own (the
// chorus finds its folders there), fresh instances, file bytes and a check that the audio stays
// finite.

#include "chorus/TheEffect.h"
#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "tests/orvo/Binis/BiniTestBytes.h"
#include "tests/tonekit/TestDevice.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Parameters/ParameterCollection.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace ChorusFuzz {

[[noreturn]] inline void fail(const char* a_target, const char* a_what) {
    std::fprintf(stderr, "%s property violated: %s\n", a_target, a_what);
    std::abort();
}

// Where two byte strings part, for the report of a violated property.
inline void print_difference(const Bytes& a_first, const Bytes& a_second) {
    std::size_t at = 0;
    while (at < a_first.size() && at < a_second.size() && a_first[at] == a_second[at])
        ++at;
    std::fprintf(stderr, "sizes %zu and %zu, first difference at byte %zu\n", a_first.size(),
                 a_second.size(), at);
    for (const Bytes* bytes : {&a_first, &a_second}) {
        for (std::size_t i = at < 24 ? 0 : at - 24; i < at + 16 && i < bytes->size(); ++i)
            std::fprintf(stderr, "%02x%s", (*bytes)[i], i + 1 == at ? " | " : " ");
        std::fprintf(stderr, "\n");
    }
}

// Points the chorus's user folders into a temporary folder for the life of the process.
inline const std::filesystem::path& data_home() {
    static TonekitTest::TemporaryFolder home;
    static const bool set = setenv("XDG_DATA_HOME", home.path().c_str(), 1) == 0;
    (void)set;
    return home.path();
}

inline std::unique_ptr<tolvanchorus::TheEffect> fresh_chorus() {
    data_home();
    auto effect = std::make_unique<tolvanchorus::TheEffect>();
    effect->initialize();
    effect->setSampleRate(48000.0f);
    return effect;
}

inline Orvo::WString wide(const std::filesystem::path& a_path) {
    return Orvo::WString(a_path.u16string().c_str());
}

inline Bytes read_bytes(const std::filesystem::path& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

inline void write_bytes(const std::filesystem::path& a_path, const Bytes& a_bytes) {
    std::ofstream file(a_path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(a_bytes.data()), std::streamsize(a_bytes.size()));
}

inline Bytes preset_bytes(tolvanchorus::TheEffect& a_effect,
                          unsigned a_sections = Tonekit::PresetManager::Section_PRESET_FILE) {
    Orvo::ExpandingOutputStream output(4096);
    a_effect.get_preset_manager()->save(output, a_sections);
    Bytes bytes(std::size_t(output.get_size()));
    output.copy_to(bytes.data());
    return bytes;
}

// A few hundred frames in odd block sizes, with an editor change on the way so that smoothers
// run; false when any output sample is not finite.
inline bool sounds_finite(tolvanchorus::TheEffect& a_effect) {
    if (Tonekit::Parameter* gain =
            a_effect.get_program()->get_collection().find(Orvo::four_cc("GlGa")))
        gain->set_normalized_value(0.9f);
    alignas(16) float left[200], right[200];
    float* channels[2] = {left, right};
    for (unsigned frames : {37u, 200u, 5u, 160u}) {
        for (unsigned frame = 0; frame < frames; ++frame)
            left[frame] = right[frame] = 0.5f * std::sin(0.05f * float(frame));
        Tonekit::ProcessRequest request;
        request.m_inputs = channels;
        request.m_outputs = channels;
        request.m_frames = frames;
        a_effect.process(request);
        for (unsigned frame = 0; frame < frames; ++frame)
            if (!std::isfinite(left[frame]) || !std::isfinite(right[frame]))
                return false;
    }
    return true;
}

} // namespace ChorusFuzz
