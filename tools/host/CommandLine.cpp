#include "tools/host/CommandLine.h"
#include "tools/host/HostError.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>

namespace tolvanhost {

namespace {

constexpr int max_block_size = 65536;
constexpr std::size_t max_block_list = 4096;
constexpr int min_rate = 1000;
constexpr int max_rate = 768000;
constexpr double min_bpm = 1.0;
constexpr double max_bpm = 999.0;
constexpr double max_tail_seconds = 3600.0;

std::string quoted(std::string_view a_text) {
    return "'" + std::string(a_text) + "'";
}

[[noreturn]] void fail(const std::string& a_message) {
    throw HostError::usage(a_message);
}

std::vector<std::string_view> split(std::string_view a_text, char a_separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = a_text.find(a_separator, start);
        parts.push_back(a_text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::int64_t parse_integer(std::string_view a_option, std::string_view a_text, std::int64_t a_min,
                           std::int64_t a_max, const char* a_what) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(a_text.data(), a_text.data() + a_text.size(), value);
    if (a_text.empty() || error == std::errc::invalid_argument ||
        end != a_text.data() + a_text.size()) {
        fail("bad " + std::string(a_what) + " for " + std::string(a_option) + ": " +
             quoted(a_text) + " is not a whole number");
    }
    if (error == std::errc::result_out_of_range || value < a_min || value > a_max) {
        fail(std::string(a_what) + " for " + std::string(a_option) +
             " out of range: " + quoted(a_text) + " (allowed " + std::to_string(a_min) + ".." +
             std::to_string(a_max) + ")");
    }
    return value;
}

std::uint64_t parse_seed(std::string_view a_option, std::string_view a_text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(a_text.data(), a_text.data() + a_text.size(), value);
    if (a_text.empty() || error != std::errc() || end != a_text.data() + a_text.size()) {
        fail("bad seed for " + std::string(a_option) + ": " + quoted(a_text) +
             " is not a whole number from 0 to 18446744073709551615");
    }
    return value;
}

double parse_real(std::string_view a_option, std::string_view a_text, double a_min, double a_max,
                  const char* a_what) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(a_text.data(), a_text.data() + a_text.size(), value);
    if (a_text.empty() || error == std::errc::invalid_argument ||
        end != a_text.data() + a_text.size() || std::isnan(value)) {
        fail("bad " + std::string(a_what) + " for " + std::string(a_option) + ": " +
             quoted(a_text) + " is not a number");
    }
    if (error == std::errc::result_out_of_range || !(value >= a_min && value <= a_max)) {
        fail(std::string(a_what) + " for " + std::string(a_option) +
             " out of range: " + quoted(a_text) + " (allowed " + std::to_string(a_min) + " to " +
             std::to_string(a_max) + ")");
    }
    return value;
}

int parse_block_size(std::string_view a_option, std::string_view a_text) {
    return static_cast<int>(parse_integer(a_option, a_text, 1, max_block_size, "block size"));
}

BlockPattern parse_block(std::string_view a_option, std::string_view a_text) {
    BlockPattern pattern;
    if (a_text.starts_with("random:")) {
        const auto parts = split(a_text.substr(7), ':');
        if (parts.size() > 2) {
            fail("bad value for " + std::string(a_option) + ": " + quoted(a_text) +
                 " (expected random:SEED or random:SEED:MAX)");
        }
        pattern.m_kind = BlockPattern::Kind::random;
        pattern.m_seed = parse_seed(a_option, parts[0]);
        if (parts.size() == 2) {
            pattern.m_random_max = parse_block_size(a_option, parts[1]);
        }
        return pattern;
    }
    const auto parts = split(a_text, ',');
    if (parts.size() > max_block_list) {
        fail("too many block sizes for " + std::string(a_option) + " (at most " +
             std::to_string(max_block_list) + ")");
    }
    pattern.m_kind = parts.size() == 1 ? BlockPattern::Kind::fixed : BlockPattern::Kind::list;
    pattern.m_sizes.clear();
    for (const auto part : parts) {
        pattern.m_sizes.push_back(parse_block_size(a_option, part));
    }
    return pattern;
}

constexpr std::int64_t max_frame = std::int64_t(1) << 48;

TempoChange parse_tempo_change(std::string_view a_option, std::string_view a_text) {
    const auto parts = split(a_text, ':');
    if (parts.size() != 2) {
        fail("bad value for " + std::string(a_option) + ": " + quoted(a_text) +
             " (expected FRAME:BPM)");
    }
    TempoChange change;
    change.m_frame = parse_integer(a_option, parts[0], 0, max_frame, "frame");
    change.m_bpm = parse_real(a_option, parts[1], min_bpm, max_bpm, "tempo");
    return change;
}

TimeSignature parse_time_signature(std::string_view a_option, std::string_view a_text) {
    const auto parts = split(a_text, '/');
    if (parts.size() != 2) {
        fail("bad value for " + std::string(a_option) + ": " + quoted(a_text) +
             " (expected BEATS/NOTE, e.g. 3/4)");
    }
    TimeSignature signature;
    signature.m_numerator = static_cast<int>(parse_integer(a_option, parts[0], 1, 64, "beats"));
    signature.m_denominator =
        static_cast<int>(parse_integer(a_option, parts[1], 1, 64, "note value"));
    if ((signature.m_denominator & (signature.m_denominator - 1)) != 0) {
        fail("bad note value for " + std::string(a_option) + ": " + quoted(parts[1]) +
             " is not 1, 2, 4, 8, 16, 32 or 64");
    }
    return signature;
}

NoteRequest parse_note(std::string_view a_option, std::string_view a_text) {
    auto parts = split(a_text, ':');
    if (parts.size() != 4 && parts.size() != 5) {
        fail("bad value for " + std::string(a_option) + ": " + quoted(a_text) +
             " (expected [CHANNEL:]FRAME:KEY:VELOCITY:LENGTH)");
    }
    NoteRequest note;
    std::size_t next = 0;
    if (parts.size() == 5) {
        note.m_channel = static_cast<int>(parse_integer(a_option, parts[next++], 1, 16, "channel"));
    }
    note.m_frame = parse_integer(a_option, parts[next++], 0, max_frame, "frame");
    note.m_key = static_cast<int>(parse_integer(a_option, parts[next++], 0, 127, "key"));
    // Velocity 0 would be a note-off in disguise.
    note.m_velocity = static_cast<int>(parse_integer(a_option, parts[next++], 1, 127, "velocity"));
    note.m_length = parse_integer(a_option, parts[next++], 1, max_frame, "length");
    return note;
}

ParameterSetting parse_param(std::string_view a_option, std::string_view a_text) {
    const std::size_t equals = a_text.find('=');
    if (equals == std::string_view::npos) {
        fail("bad value for " + std::string(a_option) + ": " + quoted(a_text) +
             " (expected INDEX=VALUE)");
    }
    ParameterSetting param;
    param.m_index =
        static_cast<int>(parse_integer(a_option, a_text.substr(0, equals), 0, INT32_MAX, "index"));
    param.m_value = static_cast<float>(
        parse_real(a_option, a_text.substr(equals + 1), 0.0, 1.0, "normalized value"));
    return param;
}

// "X,Y" in the editor's pixels.
std::pair<int, int> parse_point(std::string_view a_option, std::string_view a_text) {
    const std::size_t comma = a_text.find(',');
    if (comma == std::string_view::npos) {
        fail("option " + std::string(a_option) + " needs X,Y, not " + quoted(a_text));
    }
    return {int(parse_integer(a_option, a_text.substr(0, comma), 0, 32767, "coordinate")),
            int(parse_integer(a_option, a_text.substr(comma + 1), 0, 32767, "coordinate"))};
}

struct OptionRule {
    std::string_view m_name;
    bool m_takes_value;
    bool m_repeatable;
    bool m_render_only;
    void (*m_apply)(HostOptions&, std::string_view a_option, std::string_view a_value);
    bool m_gui_only = false;
};

const OptionRule option_rules[] = {
    {"--plugin", true, false, false,
     [](HostOptions& o, std::string_view, std::string_view v) { o.m_plugin = std::string(v); }},
    {"--in", true, false, true,
     [](HostOptions& o, std::string_view, std::string_view v) { o.m_input = std::string(v); }},
    {"--out", true, false, false,
     [](HostOptions& o, std::string_view, std::string_view v) { o.m_output = std::string(v); }},
    {"--rate", true, false, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_rate = static_cast<int>(parse_integer(n, v, min_rate, max_rate, "sample rate"));
     }},
    {"--block", true, false, true,
     [](HostOptions& o, std::string_view n, std::string_view v) { o.m_block = parse_block(n, v); }},
    {"--tempo", true, false, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_tempo = parse_real(n, v, min_bpm, max_bpm, "tempo");
     }},
    {"--tempo-change", true, true, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_tempo_changes.push_back(parse_tempo_change(n, v));
     }},
    {"--play", false, false, true,
     [](HostOptions& o, std::string_view, std::string_view) { o.m_play = true; }},
    {"--ppq", true, false, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_ppq_start = parse_real(n, v, -1e9, 1e9, "song position");
     }},
    {"--time-signature", true, false, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_time_signature = parse_time_signature(n, v);
     }},
    {"--note", true, true, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_notes.push_back(parse_note(n, v));
     }},
    {"--param", true, true, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_params.push_back(parse_param(n, v));
     }},
    {"--load-chunk", true, false, false,
     [](HostOptions& o, std::string_view, std::string_view v) { o.m_load_chunk = std::string(v); }},
    {"--save-chunk", true, false, false,
     [](HostOptions& o, std::string_view, std::string_view v) { o.m_save_chunk = std::string(v); }},
    {"--load-preset", true, false, true,
     [](HostOptions& o, std::string_view, std::string_view v) {
         o.m_load_preset = std::string(v);
     }},
    {"--save-preset", true, false, true,
     [](HostOptions& o, std::string_view, std::string_view v) {
         o.m_save_preset = std::string(v);
     }},
    {"--tail", true, false, true,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_tail_seconds = parse_real(n, v, 0.0, max_tail_seconds, "tail length");
     }},
    {"--quiet", false, false, false,
     [](HostOptions& o, std::string_view, std::string_view) { o.m_quiet = true; }},
    {"--screenshot", true, false, false,
     [](HostOptions& o, std::string_view, std::string_view v) { o.m_screenshot = std::string(v); },
     true},
    {"--after", true, false, false,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_screenshot_after = int(parse_integer(n, v, 0, 3600000, "milliseconds"));
     },
     true},
    {"--close-after", true, false, false,
     [](HostOptions& o, std::string_view n, std::string_view v) {
         o.m_close_after = int(parse_integer(n, v, 0, 86400000, "milliseconds"));
     },
     true},
    {"--no-audio", false, false, false,
     [](HostOptions& o, std::string_view, std::string_view) { o.m_no_audio = true; }, true},
    {"--measure", false, false, false,
     [](HostOptions& o, std::string_view, std::string_view) { o.m_measure = true; }, true},
    {"--drag", true, false, false,
     [](HostOptions& o, std::string_view n, std::string_view v) { o.m_drag = parse_point(n, v); },
     true},
};

const OptionRule* find_rule(std::string_view a_name) {
    for (const auto& rule : option_rules) {
        if (rule.m_name == a_name) {
            return &rule;
        }
    }
    return nullptr;
}

std::optional<Command> command_named(std::string_view a_word) {
    if (a_word == "info") {
        return Command::info;
    }
    if (a_word == "render") {
        return Command::render;
    }
    if (a_word == "gui") {
        return Command::gui;
    }
    if (a_word == "snapshot") {
        return Command::snapshot;
    }
    if (a_word == "help") {
        return Command::help;
    }
    if (a_word == "preset") {
        return Command::preset;
    }
    // Its action word follows: "presets install".
    if (a_word == "presets") {
        return Command::presets_install;
    }
    return std::nullopt;
}

const char* command_word(Command a_command) {
    switch (a_command) {
    case Command::info:
        return "info";
    case Command::render:
        return "render";
    case Command::gui:
        return "gui";
    case Command::snapshot:
        return "snapshot";
    case Command::preset:
        return "preset";
    case Command::presets_install:
        return "presets install";
    default:
        return "help";
    }
}

} // namespace

HostOptions CommandLine::parse(const std::vector<std::string>& a_args) {
    HostOptions options;
    std::optional<Command> command;
    std::optional<std::string> positional_plugin;
    std::set<std::string_view> seen;
    std::vector<std::string_view> render_only_used;
    std::vector<std::string_view> gui_only_used;
    bool options_ended = false;
    bool action_given = false;

    for (std::size_t i = 0; i < a_args.size(); ++i) {
        const std::string_view arg = a_args[i];
        const bool is_option = !options_ended && arg.size() > 1 && arg[0] == '-';
        if (!is_option) {
            if (!command) {
                command = command_named(arg);
                if (!command) {
                    fail("unknown command " + quoted(arg) + " (try --help)");
                }
            } else if (*command == Command::presets_install && !action_given) {
                if (arg != "install") {
                    fail("unknown presets action " + quoted(arg) + " (try --help)");
                }
                action_given = true;
            } else if (!positional_plugin && *command != Command::help) {
                positional_plugin = std::string(arg);
            } else {
                fail("unexpected argument " + quoted(arg));
            }
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.m_command = Command::help;
            return options;
        }
        if (arg == "--version") {
            options.m_command = Command::version;
            return options;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const OptionRule* rule = find_rule(name);
        if (!rule) {
            fail("unknown option " + quoted(name) + " (try --help)");
        }
        if (!rule->m_repeatable && !seen.insert(rule->m_name).second) {
            fail("option " + std::string(rule->m_name) + " given more than once");
        }
        std::string_view value;
        if (rule->m_takes_value) {
            if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < a_args.size() && !a_args[i + 1].starts_with("--")) {
                // "--in --out x.wav" is a forgotten value, not an input file named "--out";
                // such a value can still be given as --in=--out.
                value = a_args[++i];
            } else {
                fail("option " + std::string(rule->m_name) + " needs a value");
            }
        } else if (equals != std::string_view::npos) {
            fail("option " + std::string(rule->m_name) + " takes no value");
        }
        if (rule->m_render_only) {
            render_only_used.push_back(rule->m_name);
        }
        if (rule->m_gui_only) {
            gui_only_used.push_back(rule->m_name);
        }
        rule->m_apply(options, rule->m_name, value);
    }

    if (!command) {
        fail("no command given (try --help)");
    }
    options.m_command = *command;
    if (*command == Command::presets_install && !action_given) {
        fail("presets needs an action: presets install");
    }
    if (*command == Command::preset) {
        // Its one argument is the file; it loads no plug-in.
        if (options.m_plugin) {
            fail("preset takes no plug-in");
        }
        if (!positional_plugin) {
            fail("preset needs a FILE");
        }
        options.m_preset_file = positional_plugin;
        positional_plugin.reset();
    }
    if (positional_plugin) {
        if (options.m_plugin) {
            fail("the plug-in is given twice (as an argument and with --plugin)");
        }
        options.m_plugin = positional_plugin;
    }
    if (*command != Command::render && !render_only_used.empty()) {
        fail("option " + std::string(render_only_used.front()) + " is not valid for " +
             command_word(*command));
    }
    if (*command != Command::gui && !gui_only_used.empty()) {
        fail("option " + std::string(gui_only_used.front()) + " is not valid for " +
             command_word(*command));
    }
    // The state goes in before and comes out after a render or an editing session.
    if ((options.m_load_chunk || options.m_save_chunk) && *command != Command::render &&
        *command != Command::gui) {
        fail(std::string("option ") + (options.m_load_chunk ? "--load-chunk" : "--save-chunk") +
             " is not valid for " + command_word(*command));
    }
    if (options.m_output && *command != Command::render && *command != Command::snapshot) {
        fail(std::string("option --out is not valid for ") + command_word(*command));
    }
    if (*command == Command::render && !options.m_output) {
        fail("render needs --out FILE");
    }
    if (*command == Command::snapshot && !options.m_output) {
        fail("snapshot needs --out FILE.png");
    }
    if (options.m_measure && (options.m_screenshot || options.m_close_after)) {
        fail("--measure closes by itself and takes no --screenshot or --close-after");
    }
    if (options.m_drag && !options.m_measure) {
        fail("--drag is only used with --measure");
    }
    if (options.m_save_preset && options.m_save_preset == options.m_save_chunk) {
        fail("--save-chunk and --save-preset name the same file");
    }
    return options;
}

const char* CommandLine::usage_text() {
    return R"(Usage: tolvan-host COMMAND [PLUGIN] [OPTIONS]

A command-line VST 2.4 host for Linux plug-ins (.so exporting VSTPluginMain).

Commands:
  info      load the plug-in and print its record, names and every parameter
  render    process an audio file (or the built-in demo chord) into a WAV file
  gui       open the plug-in's editor in a window of its own (needs an X display)
            while audio runs
  snapshot  write the plug-in's editor as a PNG, without any display
  preset    print a preset file or a saved chunk as a tree: tolvan-host preset FILE
  presets install
            write the plug-in's factory presets into its preset folder, unless a
            "Factory" folder is there already
  help      print this text

PLUGIN is the path of the plug-in; --plugin PATH may be given anywhere instead. Without
either, $TOLVAN_PLUGIN is used, else the plug-in built beside this tool.

Render options:
  --in FILE              input audio (any format libsndfile reads; mono feeds both
                         channels); without it a 4-second demo chord is used
  --out FILE             output WAV, 32-bit float (required)
  --rate HZ              sample rate (default: the input's rate, else 48000); no
                         resampling is done
  --block SIZES          host block size: N (1..65536, default 512), a list N,M,...
                         used in turn, or random:SEED[:MAX] for sizes 1..MAX (default
                         512) from a fixed seed
  --tempo BPM            tempo reported to the plug-in (default 120 when any time
                         option is given; without one no tempo is reported)
  --tempo-change FRAME:BPM   the tempo from FRAME on (repeatable)
  --play                 transport playing: the song position advances with the tempo
  --ppq START            song position in quarter notes at frame 0 (default 0)
  --time-signature N/D   time signature reported with the song position (bars
                         counted from position 0), e.g. 3/4 or 6/8
  --note [CH:]FRAME:KEY:VELOCITY:LENGTH
                         note-on at FRAME, note-off LENGTH frames later, channel CH
                         1..16 (default 1), key 0..127, velocity 1..127 (repeatable)
  --param INDEX=VALUE    set parameter INDEX to the normalized VALUE 0..1 before
                         processing (repeatable; applied after --load-chunk)
  --load-chunk FILE      hand the file's bytes to the plug-in as its state first
  --save-chunk FILE      write the plug-in's state to FILE after rendering
  --load-preset FILE     load a preset file of the plug-in before processing (after
                         --load-chunk; instance settings stay as they are)
  --save-preset FILE     write the plug-in's program and modulation as a preset file
                         after rendering
  --tail SECONDS         silence processed after the input (0..3600, default 0.5)
  --quiet                no progress line and no warnings

Gui options:
  --screenshot FILE      save a PNG of the editor's window after --after MS
                         (default 500) of idle calls, then close
  --close-after MS       close the editor and quit after MS milliseconds
  --no-audio             no audio while the editor is open (default: the demo chord
                         looping through processReplacing, 256 frames at 48 kHz, on
                         a thread of its own; the silenced blocks are counted)
  --measure              the editor benchmark: open/close cycles, idle and repaint
                         times, a 10 s drag with audio; prints a table
  --drag X,Y             where the benchmark's drag starts (default: the centre)
  --load-chunk FILE      the plug-in's state before the editor opens
  --save-chunk FILE      the plug-in's state after the editor closed

Snapshot options:
  --out FILE.png         the picture (required)

Options take their value as the next word or after "=" (--out=x.wav); "--" ends options.
Exit codes: 0 success, 1 runtime error (files, plug-in), 2 usage error.
)";
}

} // namespace tolvanhost
