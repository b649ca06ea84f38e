// A small VST 2.4 effect that makes what a host does visible in its output, so the host's tests
// can check it sample by sample.
//
// Parameter 0 "Gain": out = in * (2 * value), plus 0.25 for every note held at that frame.
// Parameter 1 "Probe" replaces the audio with what the host delivered (value rounded to fifths):
//   0.2 tempo: left = tempo (-1 when not valid), right = the time record's flags
//   0.4 ppq:   left = ppqPos (-1 when not valid), right = the time record's samplePos
// Any breach of the host protocol (processing before effMainsChanged 1, a block longer than
// effSetBlockSize, an event outside its block, wrong callback answers) latches the output at 999.
// With $TOLVAN_TEST_PLUGIN_LOG set, the calls the plug-in saw are written there at effClose.

#include "tonekit/vst/VstAbi.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace Vst;

constexpr Int32 gain_unique_id = 0x54476169; // "TGai"
constexpr Int32 chunk_magic = 0x4B434754;    // "TGCK" in file byte order
constexpr int max_pending = 1024;
constexpr float violation_level = 999.0f;

enum class Probe { off, tempo, ppq };

struct GainPlugin {
    AEffect m_record{};
    HostCallback m_host = nullptr;
    float m_params[2] = {0.5f, 0.0f};
    bool m_open = false;
    bool m_running = false;
    float m_rate = 0.0f;
    int m_block_size = 0;
    bool m_violation = false;
    VstMidiEvent m_pending[max_pending]{};
    int m_pending_count = 0;
    int m_held_notes = 0;
    unsigned char m_chunk[12]{};
    std::string m_log;

    IntPtr host(Int32 a_opcode, Int32 a_index = 0, IntPtr a_value = 0) {
        return m_host(&m_record, a_opcode, a_index, a_value, nullptr, 0.0f);
    }
    Probe probe() const {
        const int mode = static_cast<int>(std::lround(m_params[1] * 5.0f));
        return static_cast<Probe>(mode < 0 ? 0 : mode > 2 ? 2 : mode);
    }
    void log(const std::string& a_line) { m_log += a_line + "\n"; }
};

GainPlugin* self(AEffect* a_effect) {
    return static_cast<GainPlugin*>(a_effect->object);
}

void copy_text(void* a_target, const char* a_text) {
    std::strcpy(static_cast<char*>(a_target), a_text);
}

void parameter_text(GainPlugin& a_plugin, Int32 a_opcode, Int32 a_index, char* a_target) {
    static const char* probe_names[] = {"off", "tempo", "ppq"};
    if (a_index < 0 || a_index > 1) {
        return;
    }
    if (a_opcode == effGetParamName) {
        copy_text(a_target, a_index == 0 ? "Gain" : "Probe");
    } else if (a_opcode == effGetParamLabel) {
        copy_text(a_target, a_index == 0 ? "x" : "");
    } else if (a_index == 0) {
        std::snprintf(a_target, kVstMaxParamStrLen, "%.3f", 2.0 * a_plugin.m_params[0]);
    } else {
        copy_text(a_target, probe_names[static_cast<int>(a_plugin.probe())]);
    }
}

void resume(GainPlugin& a_plugin) {
    if (!a_plugin.m_open || a_plugin.m_rate <= 0.0f || a_plugin.m_block_size <= 0 ||
        a_plugin.host(audioMasterWantMidi, 0, 1) != 1 ||
        a_plugin.host(audioMasterGetSampleRate) != static_cast<IntPtr>(a_plugin.m_rate) ||
        a_plugin.host(audioMasterGetBlockSize) != a_plugin.m_block_size) {
        a_plugin.m_violation = true;
    }
    a_plugin.m_running = true;
    a_plugin.m_pending_count = 0;
    a_plugin.m_held_notes = 0;
}

IntPtr dispatcher(AEffect* a_effect, Int32 a_opcode, Int32 a_index, IntPtr a_value, void* a_pointer,
                  float a_option) {
    GainPlugin& plugin = *self(a_effect);
    switch (a_opcode) {
    case effOpen:
        plugin.log("open");
        plugin.m_open = true;
        return 0;
    case effClose: {
        plugin.log("close");
        if (const char* path = std::getenv("TOLVAN_TEST_PLUGIN_LOG")) {
            if (std::FILE* file = std::fopen(path, "w")) {
                std::fputs(plugin.m_log.c_str(), file);
                std::fclose(file);
            }
        }
        delete &plugin;
        return 1;
    }
    case effSetSampleRate:
        plugin.log("rate " + std::to_string(static_cast<int>(a_option)));
        plugin.m_rate = a_option;
        return 0;
    case effSetBlockSize:
        plugin.log("block " + std::to_string(a_value));
        plugin.m_block_size = static_cast<int>(a_value);
        return 0;
    case effMainsChanged:
        plugin.log("mains " + std::to_string(a_value));
        if (a_value) {
            resume(plugin);
        } else {
            plugin.m_running = false;
        }
        return 0;
    case effGetParamName:
    case effGetParamLabel:
    case effGetParamDisplay:
        parameter_text(plugin, a_opcode, a_index, static_cast<char*>(a_pointer));
        return 0;
    case effGetChunk: {
        plugin.log("getchunk");
        std::memcpy(plugin.m_chunk, &chunk_magic, 4);
        std::memcpy(plugin.m_chunk + 4, plugin.m_params, 8);
        *static_cast<void**>(a_pointer) = plugin.m_chunk;
        return sizeof(plugin.m_chunk);
    }
    case effSetChunk: {
        plugin.log("setchunk " + std::to_string(a_value));
        Int32 magic = 0;
        if (a_value != sizeof(plugin.m_chunk) || !a_pointer) {
            return 0;
        }
        std::memcpy(&magic, a_pointer, 4);
        if (magic != chunk_magic) {
            return 0;
        }
        std::memcpy(plugin.m_params, static_cast<const char*>(a_pointer) + 4, 8);
        return 1;
    }
    case effProcessEvents: {
        const auto* events = static_cast<const VstEvents*>(a_pointer);
        plugin.log("events " + std::to_string(events->numEvents));
        for (Int32 i = 0; i < events->numEvents && plugin.m_pending_count < max_pending; ++i) {
            // The list is longer than its declared two entries: index it through its bytes.
            const VstEvent* event = nullptr;
            std::memcpy(&event,
                        reinterpret_cast<const char*>(events) + offsetof(VstEvents, events) +
                            static_cast<std::size_t>(i) * sizeof(VstEvent*),
                        sizeof(event));
            if (event->type == kVstMidiType && event->byteSize == sizeof(VstMidiEvent)) {
                plugin.m_pending[plugin.m_pending_count++] =
                    *reinterpret_cast<const VstMidiEvent*>(event);
            }
        }
        return 1;
    }
    case effGetEffectName:
        copy_text(a_pointer, "Tolvan Test Gain");
        return 1;
    case effGetVendorString:
        copy_text(a_pointer, "Tolvan Plugins");
        return 1;
    case effGetProductString:
        copy_text(a_pointer, "Tolvan Test Gain 1.0");
        return 1;
    case effGetVendorVersion:
        return 7;
    case effGetVstVersion:
        return 2400;
    case effGetPlugCategory:
        return kPlugCategEffect;
    case effCanDo: {
        const char* text = static_cast<const char*>(a_pointer);
        return std::strcmp(text, "receiveVstEvents") == 0 ||
                       std::strcmp(text, "receiveVstMidiEvent") == 0
                   ? 1
                   : 0;
    }
    default:
        return 0;
    }
}

void set_parameter(AEffect* a_effect, Int32 a_index, float a_value) {
    GainPlugin& plugin = *self(a_effect);
    if (a_index >= 0 && a_index < 2) {
        char value[32];
        std::snprintf(value, sizeof(value), "%.6f", a_value);
        plugin.log("param " + std::to_string(a_index) + " " + value);
        plugin.m_params[a_index] = a_value;
    }
}

float get_parameter(AEffect* a_effect, Int32 a_index) {
    return a_index >= 0 && a_index < 2 ? self(a_effect)->m_params[a_index] : 0.0f;
}

void apply_event(GainPlugin& a_plugin, const VstMidiEvent& a_event) {
    const auto status = static_cast<unsigned char>(a_event.midiData[0]);
    const int velocity = a_event.midiData[2];
    if ((status & 0xF0) == 0x90 && velocity > 0) {
        ++a_plugin.m_held_notes;
    } else if ((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90) {
        --a_plugin.m_held_notes;
    }
}

void process_replacing(AEffect* a_effect, float** a_inputs, float** a_outputs, Int32 a_frames) {
    GainPlugin& plugin = *self(a_effect);
    plugin.log("process " + std::to_string(a_frames));
    if (!plugin.m_running || a_frames <= 0 || a_frames > plugin.m_block_size || !a_inputs ||
        !a_outputs) {
        plugin.m_violation = true;
    }
    const auto* time = reinterpret_cast<const VstTimeInfo*>(
        plugin.host(audioMasterGetTime, 0, kVstTempoValid | kVstPpqPosValid));
    int next_event = 0;
    for (int e = 0; e < plugin.m_pending_count; ++e) {
        if (plugin.m_pending[e].deltaFrames < 0 || plugin.m_pending[e].deltaFrames >= a_frames) {
            plugin.m_violation = true;
        }
    }
    const float gain = 2.0f * plugin.m_params[0];
    for (Int32 i = 0; i < a_frames && !plugin.m_violation; ++i) {
        float left = 0.0f;
        float right = 0.0f;
        for (; next_event < plugin.m_pending_count && plugin.m_pending[next_event].deltaFrames == i;
             ++next_event) {
            apply_event(plugin, plugin.m_pending[next_event]);
        }
        switch (plugin.probe()) {
        case Probe::off: {
            const float level = 0.25f * static_cast<float>(plugin.m_held_notes);
            left = a_inputs[0][i] * gain + level;
            right = a_inputs[1][i] * gain + level;
            break;
        }
        case Probe::tempo:
            left = time && (time->flags & kVstTempoValid) ? static_cast<float>(time->tempo) : -1;
            right = time ? static_cast<float>(time->flags) : -1.0f;
            break;
        case Probe::ppq:
            left = time && (time->flags & kVstPpqPosValid) ? static_cast<float>(time->ppqPos) : -1;
            right = time ? static_cast<float>(time->samplePos) : -1.0f;
            break;
        }
        a_outputs[0][i] = left;
        a_outputs[1][i] = right;
    }
    if (plugin.m_violation) {
        for (Int32 i = 0; i < a_frames; ++i) {
            a_outputs[0][i] = violation_level;
            a_outputs[1][i] = violation_level;
        }
    }
    plugin.m_pending_count = 0;
}

} // namespace

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(HostCallback a_host) {
    if (!a_host || a_host(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) {
        return nullptr;
    }
    auto* plugin = new GainPlugin();
    plugin->m_host = a_host;
    plugin->log("main");
    AEffect& record = plugin->m_record;
    record.magic = effect_magic;
    record.dispatcher = &dispatcher;
    record.setParameter = &set_parameter;
    record.getParameter = &get_parameter;
    record.processReplacing = &process_replacing;
    record.numPrograms = 1;
    record.numParams = 2;
    record.numInputs = 2;
    record.numOutputs = 2;
    record.flags = effFlagsCanReplacing | effFlagsProgramChunks;
    record.ioRatio = 1.0f;
    record.object = plugin;
    record.uniqueID = gain_unique_id;
    record.version = 7;
    return &record;
}
