#pragma once
// Moving presets in and out of a plug-in that keeps its state as a preset tree (a preamble
// ending in "/Preset" and a Bini tree whose root holds "FoVe", "DeVe", "Prog", "Modu" and, in a
// chunk, "Stat"). A VST 2.4 host can only hand a plug-in a whole chunk, and a chunk without
// "Stat" does not load, so:
//
// - loading a preset: the host takes the plug-in's current chunk, keeps its "Stat" section (the
//   instance settings and the plug-in's own state stay as they are) with "PrPa" set to the
//   preset file's path, and puts the preset's other sections around it: exactly what the
//   plug-in's own "load preset" changes;
// - saving a preset: the plug-in's chunk without its "Stat" section, which is byte for byte the
//   preset file the plug-in itself would write.

#include "tools/host/BiniDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvanhost {

class PresetTransfer {
public:
    // a_preset_path, when given, becomes the plug-in's current preset path. Throws
    // HostError::runtime naming a_preset_name when the preset is for another plug-in, lacks a
    // section, or the plug-in's state is no preset tree.
    static std::vector<std::uint8_t>
    chunk_for_preset(const BiniDocument& a_preset, const BiniDocument& a_state,
                     const std::optional<std::u16string>& a_preset_path,
                     const std::string& a_preset_name);

    // Throws HostError::runtime when the state is no preset tree.
    static std::vector<std::uint8_t> preset_from_chunk(const BiniDocument& a_state);

    // Strict: nullopt for anything that is not well-formed UTF-8.
    static std::optional<std::u16string> utf8_to_utf16(const std::string& a_text);
};

} // namespace tolvanhost
