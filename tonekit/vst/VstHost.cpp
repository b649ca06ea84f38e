#include "tonekit/vst/VstHost.h"

#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Parameters/AssignableParameterSlot.h"
#include "tonekit/Parameters/Parameter.h"
#include "vexa/Application/Application.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

namespace Tonekit {
namespace {

constexpr std::size_t chunk_piece_size = 0x100000;
constexpr Vst::Int32 block_time_filter =
    Vst::kVstTempoValid | Vst::kVstPpqPosValid | Vst::kVstTimeSigValid | Vst::kVstBarsValid;
constexpr Vst::Int32 song_position_filter = Vst::kVstPpqPosValid | Vst::kVstTransportPlaying;

std::string p_narrow(const Orvo::WString& a_text) {
    return Orvo::utf16_to_utf8_lossy(a_text);
}

} // namespace

void copy_host_text(const std::string& a_text, char* a_buffer, std::size_t a_limit) {
    const std::size_t length = std::min(a_text.size(), a_limit);
    std::memcpy(a_buffer, a_text.data(), length);
    a_buffer[length] = 0;
}

VstHost::VstHost(Vst::HostCallback a_host, std::unique_ptr<Device> a_device)
    : AudioEffectX(a_host, 1, Vst::Int32(a_device->get_program()->host_count())),
      m_device(std::move(a_device)), m_program(m_device->get_program()) {
    m_device->set_host(this);
    for (unsigned i = 0; i < m_program->host_count(); ++i)
        m_program->host_parameter(i)->m_host_notifier = this;
    setNumInputs(m_device->get_input_count());
    setNumOutputs(m_device->get_output_count());
    setUniqueID(m_device->get_static_config().m_plugin_unique_id);
    setFlag(Vst::effFlagsCanReplacing, true);
    setFlag(Vst::effFlagsProgramChunks, true);
    setFlag(Vst::effFlagsIsSynth, m_device->is_instrument());
    if (m_sample_rate > 0.0f)
        m_device->setSampleRate(m_sample_rate);
    p_resume_sequence();
}

VstHost::~VstHost() {
    m_device.reset();
    Vexa::Application::release();
}

void VstHost::close() {
    m_device->close();
}

Parameter* VstHost::p_host_parameter(Vst::Int32 a_index) const {
    // The program is gone after close; hosts still ask for texts now and then.
    if (m_device->get_lifecycle_state() != 2 || a_index < 0 ||
        Vst::Int32(m_program->host_count()) <= a_index)
        return nullptr;
    return m_program->host_parameter(a_index);
}

void VstHost::setParameter(Vst::Int32 a_index, float a_value) {
    Parameter* parameter = p_host_parameter(a_index);
    if (!parameter || std::isnan(a_value))
        return;
    parameter->set_normalized_value_from_host(std::clamp(a_value, 0.0f, 1.0f));
}

float VstHost::getParameter(Vst::Int32 a_index) {
    Parameter* parameter = p_host_parameter(a_index);
    return parameter ? parameter->get_normalized_value() : 0.0f;
}

void VstHost::getParameterName(Vst::Int32 a_index, char* a_text) {
    Parameter* parameter = p_host_parameter(a_index);
    if (!parameter) {
        *a_text = 0;
        return;
    }
    // A slot keeps its own name towards the host while another parameter is attached to it.
    const DeviceProgram::HostEntry* entry = m_program->host_entry(a_index);
    if (entry && entry->m_is_slot)
        parameter = m_program->get_slot_record(entry->m_slot_number).m_slot;
    m_scratch = p_narrow(parameter->m_host_name.empty() ? parameter->m_display_name
                                                        : parameter->m_host_name);
    copy_host_text(m_scratch, a_text, parameter_text_limit);
}

void VstHost::getParameterLabel(Vst::Int32 a_index, char* a_text) {
    Orvo::WString label;
    if (Parameter* parameter = p_host_parameter(a_index))
        parameter->get_unit_text(label);
    m_scratch = p_narrow(label);
    copy_host_text(m_scratch, a_text, parameter_text_limit);
}

void VstHost::getParameterDisplay(Vst::Int32 a_index, char* a_text) {
    Orvo::WString display;
    if (Parameter* parameter = p_host_parameter(a_index))
        parameter->get_value_text(display);
    m_scratch = p_narrow(display);
    copy_host_text(m_scratch, a_text, parameter_text_limit);
}

void VstHost::processReplacing(float** a_inputs, float** a_outputs, Vst::Int32 a_frames) {
    ProcessRequest request;
    request.m_inputs = a_inputs;
    request.m_outputs = a_outputs;
    request.m_frames = a_frames > 0 ? unsigned(a_frames) : 0;
    // One question per block for everything the device follows: tempo and transport.
    if (const Vst::VstTimeInfo* time = getTimeInfo(block_time_filter)) {
        if (time->flags & Vst::kVstTempoValid) {
            request.m_tempo = time->tempo;
            request.m_tempo_valid = true;
        }
        MusicalTime& musical = request.m_time;
        musical.m_playing = (time->flags & Vst::kVstTransportPlaying) != 0;
        musical.m_position_valid = (time->flags & Vst::kVstPpqPosValid) != 0;
        musical.m_position = time->ppqPos;
        musical.m_time_signature_valid = (time->flags & Vst::kVstTimeSigValid) != 0;
        musical.m_numerator = time->timeSigNumerator;
        musical.m_denominator = time->timeSigDenominator;
        musical.m_bar_start_valid = (time->flags & Vst::kVstBarsValid) != 0;
        musical.m_bar_start = time->barStartPos;
    }
    m_device->process(request);
}

void VstHost::setSampleRate(float a_rate) {
    AudioEffectX::setSampleRate(a_rate);
    // A host that sends nonsense keeps the last usable rate rather than breaking the delay lines.
    if (a_rate > 0.0f && std::isfinite(a_rate))
        m_device->setSampleRate(a_rate);
}

void VstHost::p_resume_sequence() {
    if (!m_device->is_instrument()) {
        char what[] = "receiveVstMidiEvent";
        if (canDo(what) == 1)
            wantEvents(midi_event_filter);
    }
    m_device->resume();
}

void VstHost::resume() {
    p_resume_sequence();
}
void VstHost::suspend() {
    m_device->suspend();
}

Vst::Int32 VstHost::getChunk(void** a_data, bool) {
    // The previous chunk is the host's until this request; now it may go.
    m_chunk.clear();
    m_chunk.shrink_to_fit();
    *a_data = nullptr;
    if (m_device->get_lifecycle_state() != 2)
        return 0;
    try {
        Orvo::ExpandingOutputStream output(chunk_piece_size);
        m_device->get_preset_manager()->save(output, PresetManager::Section_ALL);
        if (output.get_size() == 0 || output.get_size() > std::uint64_t(INT32_MAX))
            return 0;
        m_chunk.resize(std::size_t(output.get_size()));
        output.copy_to(m_chunk.data());
    } catch (...) {
        // The host gets no chunk rather than an exception across the plug-in boundary.
        m_chunk.clear();
        return 0;
    }
    *a_data = m_chunk.data();
    return Vst::Int32(m_chunk.size());
}

Vst::Int32 VstHost::setChunk(void* a_data, Vst::Int32 a_size, bool) {
    // No bytes is no chunk: the state stays as it is.
    if (!a_data || a_size <= 0 || m_device->get_lifecycle_state() != 2)
        return 0;
    try {
        Orvo::MemoryInputStream input(a_data, std::size_t(a_size));
        m_device->get_preset_manager()->load(input, PresetManager::Section_ALL);
    } catch (...) {
        // The preset manager has put the clean state back; the host learns nothing.
    }
    return 0;
}

Vst::Int32 VstHost::processEvents(Vst::VstEvents* a_events) {
    MidiRing& ring = m_device->get_midi_ring();
    // The record declares two entries; hosts allocate as many as numEvents, so index through a
    // pointer rather than the declared array.
    Vst::VstEvent* const* list = a_events->events;
    for (Vst::Int32 i = 0; i < a_events->numEvents; ++i) {
        const Vst::VstEvent* event = list[i];
        if (!event || event->type != Vst::kVstMidiType)
            continue;
        const auto* midi = reinterpret_cast<const Vst::VstMidiEvent*>(event);
        const std::uint32_t word = std::uint32_t(std::uint8_t(midi->midiData[0])) |
                                   std::uint32_t(std::uint8_t(midi->midiData[1])) << 8 |
                                   std::uint32_t(std::uint8_t(midi->midiData[2])) << 16 |
                                   std::uint32_t(std::uint8_t(midi->midiData[3])) << 24;
        if (!ring.push(word))
            break;
    }
    return 1;
}

bool VstHost::canParameterBeAutomated(Vst::Int32 a_index) {
    return p_host_parameter(a_index) != nullptr;
}

Vst::Int32 VstHost::getPlugCategory() {
    return m_device->is_instrument() ? Vst::kPlugCategSynth : Vst::kPlugCategUnknown;
}

bool VstHost::getEffectName(char* a_text) {
    const Orvo::WString& name = m_device->get_static_config().m_plugin_name;
    if (name.empty())
        return false;
    copy_host_text(p_narrow(name), a_text, Vst::kVstMaxEffectNameLen - 1);
    return true;
}

bool VstHost::getVendorString(char* a_text) {
    const Orvo::WString& vendor = m_device->get_static_config().m_plugin_vendor;
    if (vendor.empty())
        return false;
    copy_host_text(p_narrow(vendor), a_text, Vst::kVstMaxVendorStrLen - 1);
    return true;
}

bool VstHost::getProductString(char* a_text) {
    const DeviceStaticConfig& config = m_device->get_static_config();
    copy_host_text(p_narrow(config.m_plugin_name) + " " + p_narrow(config.m_plugin_version_string),
                   a_text, Vst::kVstMaxProductStrLen - 1);
    return true;
}

Vst::IntPtr VstHost::vendorSpecific(Vst::Int32 a_index, Vst::IntPtr a_value, void*, float) {
    // The mouse wheel over the editor; with no editor window there is nothing to scroll.
    if (a_index == Vst::vendor_specific_wheel_index && a_value == Vst::vendor_specific_wheel_value)
        return 1;
    return 0;
}

Vst::Int32 VstHost::canDo(char* a_text) {
    return std::strcmp(a_text, "receiveVstEvents") == 0 ||
                   std::strcmp(a_text, "receiveVstMidiEvent") == 0
               ? 1
               : 0;
}

void VstHost::begin_edit(int a_host_index) {
    beginEdit(a_host_index);
}
void VstHost::end_edit(int a_host_index) {
    endEdit(a_host_index);
}

bool VstHost::get_song_position(double& a_quarter_notes) {
    const Vst::VstTimeInfo* time = getTimeInfo(song_position_filter);
    if (!time || (time->flags & song_position_filter) != song_position_filter)
        return false;
    a_quarter_notes = time->ppqPos;
    return true;
}

void VstHost::automate(int a_host_index, float a_normalized_value) {
    call_host(Vst::audioMasterAutomate, a_host_index, 0, nullptr, a_normalized_value);
}

} // namespace Tonekit
