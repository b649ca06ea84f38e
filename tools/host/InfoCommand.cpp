#include "tools/host/InfoCommand.h"
#include "tools/host/HostContext.h"
#include "tools/host/PluginInstance.h"

#include <string_view>

namespace tolvanhost {

namespace {

struct NamedFlag {
    int m_bit;
    const char* m_name;
};

constexpr NamedFlag effect_flags[] = {
    {Vst::effFlagsHasEditor, "HasEditor"},
    {Vst::effFlagsCanReplacing, "CanReplacing"},
    {Vst::effFlagsProgramChunks, "ProgramChunks"},
    {Vst::effFlagsIsSynth, "IsSynth"},
    {Vst::effFlagsNoSoundInStop, "NoSoundInStop"},
    {Vst::effFlagsCanDoubleReplacing, "CanDoubleReplacing"},
};

// effGetPlugCategory answers in the published numbering.
constexpr const char* category_names[] = {
    "unknown",     "effect",          "synth",       "analysis",        "mastering", "spacializer",
    "room effect", "surround effect", "restoration", "offline process", "shell",     "generator",
};

std::string hex32(std::uint32_t a_value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", a_value);
    return text;
}

// "VstP" for 0x56737450: the first character in the highest byte, as VST ids are written.
std::string four_characters(std::uint32_t a_value) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((a_value >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) {
            return "";
        }
        text += c;
    }
    return text;
}

std::string with_characters(std::uint32_t a_value) {
    const std::string characters = four_characters(a_value);
    return hex32(a_value) + (characters.empty() ? "" : " \"" + characters + "\"");
}

void field(std::FILE* a_out, std::string_view a_name, const std::string& a_value) {
    std::fprintf(a_out, "%-28s %s\n", (std::string(a_name) + ":").c_str(), a_value.c_str());
}

} // namespace

InfoCommand::InfoCommand(const std::string& a_plugin_path) : m_plugin_path(a_plugin_path) {}

std::string InfoCommand::printable(const std::string& a_text) {
    std::string text = a_text;
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return text;
}

std::string InfoCommand::describe_flags(int a_flags) {
    std::string text = hex32(static_cast<std::uint32_t>(a_flags));
    int rest = a_flags;
    for (const NamedFlag& flag : effect_flags) {
        if (a_flags & flag.m_bit) {
            text += std::string(" ") + flag.m_name;
            rest &= ~flag.m_bit;
        }
    }
    if (rest != 0) {
        text += " other:" + hex32(static_cast<std::uint32_t>(rest));
    }
    return text;
}

std::string InfoCommand::describe_category(long a_category) {
    const bool known = a_category >= 0 && a_category < static_cast<long>(std::size(category_names));
    return std::to_string(a_category) + " (" + (known ? category_names[a_category] : "?") + ")";
}

void InfoCommand::run(std::FILE* a_out) {
    HostContext host;
    host.set_sample_rate(query_rate);
    host.set_block_size(query_block_size);
    PluginInstance plugin(m_plugin_path, &HostContext::callback);
    plugin.set_sample_rate(static_cast<float>(query_rate));
    plugin.set_block_size(query_block_size);
    const Vst::AEffect& record = plugin.record();

    field(a_out, "Plug-in", m_plugin_path);
    field(a_out, "Magic", with_characters(static_cast<std::uint32_t>(record.magic)));
    field(a_out, "Unique id",
          std::to_string(record.uniqueID) + " (" +
              with_characters(static_cast<std::uint32_t>(record.uniqueID)) + ")");
    field(a_out, "Version", std::to_string(record.version));
    field(a_out, "Flags", describe_flags(record.flags));
    field(a_out, "Inputs", std::to_string(record.numInputs));
    field(a_out, "Outputs", std::to_string(record.numOutputs));
    field(a_out, "Programs", std::to_string(record.numPrograms));
    field(a_out, "Parameters", std::to_string(record.numParams));
    field(a_out, "Initial delay", std::to_string(record.initialDelay));
    field(a_out, "Effect name", printable(plugin.query_text(Vst::effGetEffectName)));
    field(a_out, "Vendor", printable(plugin.query_text(Vst::effGetVendorString)));
    field(a_out, "Product", printable(plugin.query_text(Vst::effGetProductString)));
    field(a_out, "Vendor version", std::to_string(plugin.dispatch(Vst::effGetVendorVersion)));
    field(a_out, "VST version", std::to_string(plugin.dispatch(Vst::effGetVstVersion)));
    field(a_out, "Category",
          describe_category(static_cast<long>(plugin.dispatch(Vst::effGetPlugCategory))));
    for (const char* capability : {"receiveVstEvents", "receiveVstMidiEvent"}) {
        field(a_out, std::string("Can do ") + capability,
              std::to_string(plugin.can_do(capability)));
    }

    std::fprintf(a_out, "\n%5s  %-16s %-8s %-16s %s\n", "Index", "Name", "Label", "Display",
                 "Value");
    for (int index = 0; index < record.numParams; ++index) {
        const std::string name = printable(plugin.query_text(Vst::effGetParamName, index));
        const std::string label = printable(plugin.query_text(Vst::effGetParamLabel, index));
        const std::string display = printable(plugin.query_text(Vst::effGetParamDisplay, index));
        std::fprintf(a_out, "%5d  %-16s %-8s %-16s %.6f\n", index, name.c_str(), label.c_str(),
                     display.c_str(), static_cast<double>(plugin.get_parameter(index)));
    }
    plugin.close();
}

} // namespace tolvanhost
