#include "tools/host/HostContext.h"

#include <cstring>
#include <stdexcept>

namespace tolvanhost {

HostContext* HostContext::s_active = nullptr;

namespace {

// What this host does for a plug-in, as the can-do texts name it.
bool host_can_do(const char* a_text) {
    if (!a_text) {
        return false;
    }
    for (const char* capability : {"sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo"}) {
        // strncmp up to our terminator reads no further into the plug-in's text than needed.
        if (std::strncmp(a_text, capability, std::strlen(capability) + 1) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

HostContext::HostContext() {
    if (s_active) {
        throw std::logic_error("only one host context may be live");
    }
    m_edits.reserve(max_recorded);
    s_active = this;
}

HostContext::~HostContext() {
    s_active = nullptr;
}

Vst::IntPtr HostContext::callback(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32 a_index,
                                  Vst::IntPtr a_value, void* a_pointer, float a_option) noexcept {
    if (!s_active) {
        // A plug-in that calls back after the host has gone still gets a well-formed answer.
        return a_opcode == Vst::audioMasterVersion ? host_version : 0;
    }
    return s_active->p_dispatch(a_opcode, a_index, a_value, a_pointer, a_option);
}

bool HostContext::take_size_request(int& a_width, int& a_height) {
    if (!m_size_requested)
        return false;
    m_size_requested = false;
    a_width = m_requested_width;
    a_height = m_requested_height;
    return true;
}

Vst::IntPtr HostContext::p_dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                                    void* a_pointer, float a_option) noexcept {
    switch (a_opcode) {
    case Vst::audioMasterSizeWindow:
        // Only while an editor window exists; the gui command takes the request.
        if (!m_editor_window || a_index <= 0 || a_value <= 0 || a_index > 16384 || a_value > 16384)
            return 0;
        m_size_requested = true;
        m_requested_width = a_index;
        m_requested_height = int(a_value);
        return 1;
    case Vst::audioMasterVersion:
        return host_version;
    case Vst::audioMasterGetTime:
        // Pointer-sized result by the interface's convention; valid until the next call.
        return reinterpret_cast<Vst::IntPtr>(&m_time);
    case Vst::audioMasterGetSampleRate:
        return static_cast<Vst::IntPtr>(m_sample_rate);
    case Vst::audioMasterGetBlockSize:
        return m_block_size;
    case Vst::audioMasterWantMidi:
        ++m_want_midi_count;
        return 1;
    case Vst::audioMasterCanDo:
        if (m_editor_window && a_pointer &&
            std::strncmp(static_cast<const char*>(a_pointer), "sizeWindow", 11) == 0)
            return 1;
        return host_can_do(static_cast<const char*>(a_pointer)) ? 1 : 0;
    case Vst::audioMasterAutomate:
        ++m_automate_count;
        p_record(EditKind::automate, a_index, a_option);
        return 0;
    case Vst::audioMasterBeginEdit:
        ++m_begin_edit_count;
        p_record(EditKind::begin_edit, a_index, 0.0f);
        return 0;
    case Vst::audioMasterEndEdit:
        ++m_end_edit_count;
        p_record(EditKind::end_edit, a_index, 0.0f);
        return 0;
    default:
        return 0;
    }
}

void HostContext::p_record(EditKind a_kind, int a_index, float a_value) noexcept {
    // The storage was reserved up front: the callback never allocates or throws into the plug-in.
    std::lock_guard lock(m_edits_lock);
    if (m_edits.size() < max_recorded) {
        m_edits.push_back({a_kind, a_index, a_value});
    }
}

} // namespace tolvanhost
