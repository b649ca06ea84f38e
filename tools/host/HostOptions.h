#pragma once
// What the command line asks for, as plain values. Filled by CommandLine, read by the commands;
// nothing here knows about the plug-in, so every check that needs the plug-in (parameter count,
// chunk support) happens after loading it.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvanhost {

enum class Command { help, version, info, render, gui, snapshot, preset, presets_install };

// A note-on at m_frame and its note-off m_length frames later. Channel 1..16 as musicians count.
struct NoteRequest {
    std::int64_t m_frame = 0;
    int m_channel = 1;
    int m_key = 60;
    int m_velocity = 100;
    std::int64_t m_length = 1;
};

struct ParameterSetting {
    int m_index = 0;
    float m_value = 0.0f;
};

struct TempoChange {
    std::int64_t m_frame = 0;
    double m_bpm = 120.0;
};

// How the host cuts the render into processReplacing calls.
// Beats per bar and the note value of a beat (a power of two), as "3/4" reads.
struct TimeSignature {
    int m_numerator = 4;
    int m_denominator = 4;
};

struct BlockPattern {
    enum class Kind { fixed, list, random };
    Kind m_kind = Kind::fixed;
    std::vector<int> m_sizes{512}; // fixed: one size; list: cycled in order
    std::uint64_t m_seed = 0;      // random: sizes 1..m_random_max from this seed
    int m_random_max = 512;
};

struct HostOptions {
    static constexpr double default_tempo = 120.0;
    static constexpr int default_rate = 48000;

    Command m_command = Command::help;
    std::optional<std::string> m_plugin;
    std::optional<std::string> m_input;
    std::optional<std::string> m_output;
    std::optional<int> m_rate;
    BlockPattern m_block;
    std::optional<double> m_tempo;
    std::vector<TempoChange> m_tempo_changes;
    bool m_play = false;
    std::optional<double> m_ppq_start;
    std::optional<TimeSignature> m_time_signature;
    std::vector<NoteRequest> m_notes;
    std::vector<ParameterSetting> m_params;
    std::optional<std::string> m_load_chunk;
    std::optional<std::string> m_save_chunk;
    std::optional<std::string> m_load_preset;
    std::optional<std::string> m_save_preset;
    // The file the preset command shows.
    std::optional<std::string> m_preset_file;
    double m_tail_seconds = 0.5;
    // gui: a PNG of the editor's window taken after m_screenshot_after ms, then quit; or quit
    // after m_close_after ms.
    std::optional<std::string> m_screenshot;
    int m_screenshot_after = 500;
    std::optional<int> m_close_after;
    // gui: no audio thread while the editor is open.
    bool m_no_audio = false;
    // gui: the editor benchmark instead of a window for a user, and where its drag starts.
    bool m_measure = false;
    std::optional<std::pair<int, int>> m_drag;
    bool m_quiet = false;
};

} // namespace tolvanhost
