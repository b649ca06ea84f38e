#include "tonekit/vst/VstHost.h"

#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/Utf.h"
#include "orvo/Simd.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Parameters/AssignableParameterSlot.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterChangeLink.h"
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

VstHost::VstHost(Vst::HostCallback a_host, std::unique_ptr<Device> a_device,
                 EditorFactory a_editor_factory)
    : AudioEffectX(a_host, 1, Vst::Int32(a_device->get_program()->host_count())),
      m_device(std::move(a_device)), m_program(m_device->get_program()) {
    m_device->set_host(this);
    for (unsigned i = 0; i < m_program->host_count(); ++i)
        m_program->host_parameter(i)->m_host_notifier = this;
    m_text_cache = std::make_unique<TextCache[]>(m_program->host_count());
    setNumInputs(m_device->get_input_count());
    setNumOutputs(m_device->get_output_count());
    setUniqueID(m_device->get_static_config().m_plugin_unique_id);
    setFlag(Vst::effFlagsCanReplacing, true);
    setFlag(Vst::effFlagsProgramChunks, true);
    setFlag(Vst::effFlagsIsSynth, m_device->is_instrument());
    if (m_sample_rate > 0.0f)
        m_device->setSampleRate(m_sample_rate);
    if (a_editor_factory)
        setEditor(a_editor_factory(*this));
    setFlag(Vst::effFlagsHasEditor, getEditor() && m_device->provides_gui());
    p_resume_sequence();
}

VstHost::~VstHost() {
    // A host may close the effect with the editor still open: its window and the device GUI go
    // while the device and the toolkit are still there.
    if (AEffEditor* editor = getEditor())
        editor->close();
    m_device.reset();
    Vexa::Application::release();
}

void VstHost::close() {
    // An editor still open holds parameter editors that point into the program the device is
    // about to delete: it closes first.
    if (AEffEditor* editor = getEditor())
        editor->close();
    m_device->close();
}

bool VstHost::p_is_host_index(Vst::Int32 a_index) const {
    // The program is gone after close; hosts still ask for texts now and then.
    return m_device->get_lifecycle_state() == 2 && a_index >= 0 &&
           a_index < Vst::Int32(m_program->host_count());
}

Parameter* VstHost::p_host_parameter(Vst::Int32 a_index) const {
    return p_is_host_index(a_index) ? m_program->host_parameter(a_index) : nullptr;
}

// Hosts call the parameter functions from any thread, their audio thread included, while the
// editor, a chunk load or a save may hold the parameter lock. None of them waits: the lock is only
// tried, and a value that cannot be applied now waits in the program's mailbox for the device's
// next block.
void VstHost::setParameter(Vst::Int32 a_index, float a_value) {
    if (std::isnan(a_value) || !p_is_host_index(a_index))
        return;
    const float value = std::clamp(a_value, 0.0f, 1.0f);
    HostValueMailbox& mailbox = m_program->get_host_mailbox();
    std::unique_lock values(m_device->parameter_lock(), std::try_to_lock);
    Parameter* parameter = values.owns_lock() ? p_host_parameter(a_index) : nullptr;
    if (!parameter) {
        mailbox.post(std::size_t(a_index), value);
        return;
    }
    float older;
    // This value supersedes one still waiting.
    mailbox.take(std::size_t(a_index), older);
    parameter->store_normalized_value(value);
    mailbox.remember(std::size_t(a_index), parameter->get_normalized_value());
    if (!m_device->try_queue_change(parameter, ParameterChangeReason_HOST))
        mailbox.post(std::size_t(a_index), value);
    // Still under the lock: once it is released a load may delete the parameter.
    m_device->queue_gui_refresh(parameter);
}

float VstHost::getParameter(Vst::Int32 a_index) {
    if (!p_is_host_index(a_index))
        return 0.0f;
    HostValueMailbox& mailbox = m_program->get_host_mailbox();
    float value;
    if (mailbox.peek(std::size_t(a_index), value))
        return value;
    std::unique_lock values(m_device->parameter_lock(), std::try_to_lock);
    if (!values.owns_lock())
        return mailbox.last_known(std::size_t(a_index));
    Parameter* parameter = p_host_parameter(a_index);
    value = parameter ? parameter->get_normalized_value() : 0.0f;
    mailbox.remember(std::size_t(a_index), value);
    return value;
}

void VstHost::getParameterName(Vst::Int32 a_index, char* a_text) {
    *a_text = 0;
    const DeviceProgram::HostEntry* entry =
        p_is_host_index(a_index) ? m_program->host_entry(a_index) : nullptr;
    if (!entry)
        return;
    // A slot keeps its own name towards the host while another parameter is attached to it, and
    // the slots and the other host parameters live as long as the program: no lock needed.
    const Parameter* parameter = entry->m_is_slot
                                     ? m_program->get_slot_record(entry->m_slot_number).m_slot
                                     : m_program->host_parameter(a_index);
    copy_host_text(p_narrow(parameter->m_host_name.empty() ? parameter->m_display_name
                                                           : parameter->m_host_name),
                   a_text, parameter_text_limit);
}

void VstHost::getParameterLabel(Vst::Int32 a_index, char* a_text) {
    p_parameter_text(a_index, a_text, false);
}

void VstHost::getParameterDisplay(Vst::Int32 a_index, char* a_text) {
    p_parameter_text(a_index, a_text, true);
}

void VstHost::p_parameter_text(Vst::Int32 a_index, char* a_text, bool a_display) {
    *a_text = 0;
    if (!p_is_host_index(a_index))
        return;
    TextCache& cache = m_text_cache[std::size_t(a_index)];
    char* const cached = a_display ? cache.m_display : cache.m_label;
    std::unique_lock values(m_device->parameter_lock(), std::try_to_lock);
    if (!values.owns_lock()) {
        std::unique_lock cached_lock(cache.m_lock, std::try_to_lock);
        if (cached_lock.owns_lock())
            copy_host_text(cached, a_text, parameter_text_limit);
        return;
    }
    Orvo::WString text;
    if (Parameter* parameter = p_host_parameter(a_index)) {
        if (a_display)
            parameter->get_value_text(text);
        else
            parameter->get_unit_text(text);
    }
    values.unlock();
    copy_host_text(p_narrow(text), a_text, parameter_text_limit);
    std::unique_lock cached_lock(cache.m_lock, std::try_to_lock);
    if (cached_lock.owns_lock())
        copy_host_text(a_text, cached, parameter_text_limit);
}

void VstHost::processReplacing(float** a_inputs, float** a_outputs, Vst::Int32 a_frames) {
    const Orvo::Simd::DenormalsOff denormals_off;
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
    // The GUI shows nothing of the state while it is being replaced, and all of it afterwards.
    GuiRefreshQueue& gui = m_device->get_gui_refresh_queue();
    // The editor's panels of the modulators the load replaces go with them, not while the
    // editor's thread paints them.
    AEffEditor* editor = getEditor();
    std::unique_lock<std::recursive_mutex> editor_lock;
    if (editor)
        editor_lock = editor->lock_gui();
    gui.freeze();
    try {
        Orvo::MemoryInputStream input(a_data, std::size_t(a_size));
        m_device->get_preset_manager()->load(input, PresetManager::Section_ALL);
    } catch (...) {
        // The preset manager has put the clean state back; the host learns nothing.
    }
    gui.unfreeze();
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

Vst::IntPtr VstHost::vendorSpecific(Vst::Int32 a_index, Vst::IntPtr a_value, void* a_pointer,
                                    float a_option) {
    if (a_index != Vst::vendor_specific_wheel_index)
        return 0;
    AEffEditor* editor = getEditor();
    switch (a_value) {
    case Vst::vendor_specific_wheel_value:
        // The mouse wheel over the editor; with no editor window there is nothing to scroll.
        if (editor && std::isfinite(a_option)) {
            const float delta = std::clamp(a_option * 120.0f, -1.0e6f, 1.0e6f);
            editor->wheel_at_cursor(int(delta));
        }
        return 1;
    case Vst::vendor_specific_snapshot_value:
        return editor && a_pointer && editor->write_snapshot(static_cast<const char*>(a_pointer))
                   ? 1
                   : 0;
    case Vst::vendor_specific_repaint_value:
        return editor && editor->repaint_all() ? 1 : 0;
    case Vst::vendor_specific_install_value:
        return m_device->install_factory_presets() ? 1 : 0;
    default:
        return 0;
    }
}

bool VstHost::size_window(int a_width, int a_height) {
    return call_host(Vst::audioMasterSizeWindow, a_width, a_height) != 0;
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

void VstHost::update_display() {
    call_host(Vst::audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f);
}

} // namespace Tonekit
