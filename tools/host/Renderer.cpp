#include "tools/host/Renderer.h"
#include "tools/host/AudioFileSource.h"
#include "tools/host/AudioFileWriter.h"
#include "tools/host/BiniDocument.h"
#include "tools/host/BlockPlan.h"
#include "tools/host/ByteFile.h"
#include "tools/host/DemoSignal.h"
#include "tools/host/EventBuffer.h"
#include "tools/host/HostContext.h"
#include "tools/host/HostError.h"
#include "tools/host/NoteSchedule.h"
#include "tools/host/PluginInstance.h"
#include "tools/host/PresetTransfer.h"
#include "tools/host/ProgressMeter.h"
#include "tools/host/Transport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace tolvanhost {

namespace {

// More channels than any real plug-in has: a larger count is a broken record.
constexpr int max_channels = 64;

class ChannelBuffers {
public:
    ChannelBuffers(int a_channels, int a_frames)
        : m_storage(static_cast<std::size_t>(a_channels),
                    std::vector<float>(static_cast<std::size_t>(a_frames), 0.0f)) {
        for (auto& channel : m_storage) {
            m_pointers.push_back(channel.data());
        }
    }
    float** pointers() { return m_pointers.empty() ? nullptr : m_pointers.data(); }
    const std::vector<float*>& channels() const { return m_pointers; }
    void clear(int a_frames) {
        for (float* channel : m_pointers) {
            std::fill(channel, channel + a_frames, 0.0f);
        }
    }

private:
    std::vector<std::vector<float>> m_storage;
    std::vector<float*> m_pointers;
};

// The path a plug-in should remember for a preset file: absolute when the system can tell.
std::optional<std::u16string> remembered_path(const std::string& a_path) {
    std::string absolute = a_path;
    if (char* resolved = realpath(a_path.c_str(), nullptr)) {
        absolute = resolved;
        std::free(resolved);
    }
    return PresetTransfer::utf8_to_utf16(absolute);
}

} // namespace

Renderer::Renderer(const HostOptions& a_options, const std::string& a_plugin_path)
    : m_options(a_options), m_plugin_path(a_plugin_path) {}

void Renderer::p_tell(const char* a_kind, const std::string& a_message) const {
    if (!m_options.m_quiet) {
        std::fprintf(stderr, "tolvan-host: %s: %s\n", a_kind, a_message.c_str());
    }
}

void Renderer::p_check_record(const Vst::AEffect& a_record, bool a_loads_chunk) const {
    if (a_record.numInputs < 0 || a_record.numInputs > max_channels || a_record.numOutputs < 1 ||
        a_record.numOutputs > max_channels) {
        throw HostError::runtime("plug-in " + m_plugin_path + " has " +
                                 std::to_string(a_record.numInputs) + " inputs and " +
                                 std::to_string(a_record.numOutputs) +
                                 " outputs; a render needs 0.." + std::to_string(max_channels) +
                                 " inputs and 1.." + std::to_string(max_channels) + " outputs");
    }
    if (!a_record.processReplacing) {
        throw HostError::runtime("plug-in " + m_plugin_path + " has no processReplacing");
    }
    for (const ParameterSetting& param : m_options.m_params) {
        if (param.m_index >= a_record.numParams) {
            throw HostError::usage("parameter index " + std::to_string(param.m_index) +
                                   " out of range: the plug-in has " +
                                   std::to_string(a_record.numParams) + " parameters");
        }
    }
    if ((a_loads_chunk || m_options.m_save_chunk || m_options.m_load_preset ||
         m_options.m_save_preset) &&
        !(a_record.flags & Vst::effFlagsProgramChunks)) {
        throw HostError::runtime("plug-in " + m_plugin_path + " does not keep its state in chunks");
    }
}

void Renderer::run() {
    // Files first: a typo in a path should not cost a plug-in load.
    std::unique_ptr<AudioSource> source;
    if (m_options.m_input) {
        source = std::make_unique<AudioFileSource>(*m_options.m_input);
    }
    const int rate =
        m_options.m_rate.value_or(source ? source->sample_rate() : HostOptions::default_rate);
    if (!source) {
        source = std::make_unique<DemoSignal>(rate);
    } else if (source->sample_rate() != rate) {
        p_tell("warning", "the input is " + std::to_string(source->sample_rate()) +
                              " Hz; rendering it at " + std::to_string(rate) +
                              " Hz without resampling");
    }
    std::optional<std::vector<std::uint8_t>> chunk;
    if (m_options.m_load_chunk) {
        chunk = ByteFile::read(*m_options.m_load_chunk, "chunk");
    }
    std::optional<BiniDocument> preset;
    if (m_options.m_load_preset) {
        preset = BiniDocument::parse(ByteFile::read(*m_options.m_load_preset, "preset"),
                                     "preset " + *m_options.m_load_preset);
    }

    const auto tail = static_cast<std::int64_t>(std::llround(m_options.m_tail_seconds * rate));
    const std::int64_t total = source->frames() + tail;
    BlockPlan blocks(m_options.m_block);
    const int max_block = blocks.max_block_size();
    NoteSchedule notes(m_options.m_notes);
    if (const std::size_t unplayed = notes.note_ons_from(total)) {
        p_tell("warning", std::to_string(unplayed) +
                              " note(s) start at or after the end of the render (" +
                              std::to_string(total) + " frames) and are not sent");
    }
    const Transport transport(m_options, rate);

    HostContext host;
    host.set_sample_rate(rate);
    host.set_block_size(max_block);
    host.set_time(transport.time_at(0));
    PluginInstance plugin(m_plugin_path, &HostContext::callback);
    const Vst::AEffect& record = plugin.record();
    p_check_record(record, chunk.has_value());

    plugin.set_sample_rate(static_cast<float>(rate));
    plugin.set_block_size(max_block);
    if (chunk) {
        plugin.set_chunk(*chunk);
    }
    if (preset) {
        const BiniDocument state = BiniDocument::parse(plugin.get_chunk(), "the plug-in's state");
        const std::optional<std::u16string> path = remembered_path(*m_options.m_load_preset);
        if (!path) {
            p_tell("warning", "the preset's path is not UTF-8; the plug-in keeps its current "
                              "preset name");
        }
        plugin.set_chunk(
            PresetTransfer::chunk_for_preset(*preset, state, path, *m_options.m_load_preset));
    }
    for (const ParameterSetting& param : m_options.m_params) {
        plugin.set_parameter(param.m_index, param.m_value);
    }

    const int inputs = record.numInputs;
    const int outputs = record.numOutputs;
    Vst::AEffect* effect = plugin.effect();
    AudioFileWriter writer(*m_options.m_output, outputs, rate);
    ChannelBuffers source_buffer(2, max_block);
    ChannelBuffers input_buffer(inputs, max_block);
    ChannelBuffers output_buffer(outputs, max_block);
    EventBuffer events(notes.size());
    ProgressMeter progress(total, rate, !m_options.m_quiet);

    plugin.resume();
    for (std::int64_t position = 0; position < total;) {
        const int frames = blocks.next(total - position);
        source->read(source_buffer.channels()[0], source_buffer.channels()[1], frames);
        // A mono plug-in takes the left side; inputs beyond two stay silent.
        for (int c = 0; c < inputs; ++c) {
            float* target = input_buffer.channels()[static_cast<std::size_t>(c)];
            if (c < 2) {
                const float* from = source_buffer.channels()[static_cast<std::size_t>(c)];
                std::copy(from, from + frames, target);
            }
        }
        host.set_time(transport.time_at(position));
        events.fill(notes.take_block(position, frames), position);
        if (events.size() > 0) {
            plugin.dispatch(Vst::effProcessEvents, 0, 0, events.list());
        }
        output_buffer.clear(frames);
        effect->processReplacing(effect, input_buffer.pointers(), output_buffer.pointers(), frames);
        writer.write(output_buffer.channels(), frames);
        position += frames;
        progress.update(position);
    }
    progress.finish();
    plugin.suspend();

    writer.commit();
    if (m_options.m_save_chunk || m_options.m_save_preset) {
        const std::vector<std::uint8_t> state = plugin.get_chunk();
        if (m_options.m_save_chunk) {
            ByteFile::write(*m_options.m_save_chunk, state, "chunk");
        }
        if (m_options.m_save_preset) {
            ByteFile::write(*m_options.m_save_preset,
                            PresetTransfer::preset_from_chunk(
                                BiniDocument::parse(state, "the plug-in's state")),
                            "preset");
        }
    }
    plugin.close();

    if (host.automate_count() + host.begin_edit_count() + host.end_edit_count() > 0) {
        p_tell("note", "the plug-in reported " + std::to_string(host.automate_count()) +
                           " automation change(s), " + std::to_string(host.begin_edit_count()) +
                           " begin-edit(s) and " + std::to_string(host.end_edit_count()) +
                           " end-edit(s); a render records but does not apply them");
    }
}

} // namespace tolvanhost
