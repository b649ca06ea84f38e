#pragma once
// The host side of the plug-in's callback. The callback carries no host pointer and its first
// calls (the version query inside VSTPluginMain) come before any effect record exists, so one
// context per process is the active one; the tool loads a single plug-in.
//
// Render processes on the main thread; the gui command's audio runs on a thread of its own, and a
// plug-in may report automation from either, so what both can change is atomic or locked. The
// time, rate and block size are set only while no audio runs.

#include "tonekit/vst/VstAbi.h"

#include <atomic>
#include <cstddef>
#include <mutex>
#include <vector>

namespace tolvanhost {

class HostContext {
public:
    static constexpr Vst::IntPtr host_version = 2400;
    // At most this many automation calls are kept; the counts go on beyond it.
    static constexpr std::size_t max_recorded = 4096;

    enum class EditKind { automate, begin_edit, end_edit };
    struct EditRecord {
        EditKind m_kind = EditKind::automate;
        int m_index = 0;
        float m_value = 0.0f;
    };

    // Becomes the active context; a second live context is a programming error and throws.
    HostContext();
    ~HostContext();
    HostContext(const HostContext&) = delete;
    HostContext& operator=(const HostContext&) = delete;

    // What plug-ins call; forwards to the active context, answers 0 when there is none.
    static Vst::IntPtr callback(Vst::AEffect* a_effect, Vst::Int32 a_opcode, Vst::Int32 a_index,
                                Vst::IntPtr a_value, void* a_pointer, float a_option) noexcept;

    void set_sample_rate(double a_rate) { m_sample_rate = a_rate; }
    void set_block_size(int a_frames) { m_block_size = a_frames; }
    // The record audioMasterGetTime answers with until the next call.
    void set_time(const Vst::VstTimeInfo& a_time) { m_time = a_time; }

    // Read once no audio runs any more.
    const std::vector<EditRecord>& edits() const { return m_edits; }
    std::size_t automate_count() const { return m_automate_count; }
    std::size_t begin_edit_count() const { return m_begin_edit_count; }
    std::size_t end_edit_count() const { return m_end_edit_count; }
    std::size_t want_midi_count() const { return m_want_midi_count; }
    // While the gui command shows the editor, size requests are granted (and "sizeWindow" is a
    // capability); at all other times they are refused.
    void set_editor_window(bool a_open) { m_editor_window = a_open; }
    // The last editor size the plug-in asked for (audioMasterSizeWindow) since the last call.
    bool take_size_request(int& a_width, int& a_height);

private:
    Vst::IntPtr p_dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                           void* a_pointer, float a_option) noexcept;
    void p_record(EditKind a_kind, int a_index, float a_value) noexcept;

    static HostContext* s_active;

    double m_sample_rate = 48000.0;
    int m_block_size = 512;
    Vst::VstTimeInfo m_time{};
    std::vector<EditRecord> m_edits;
    std::mutex m_edits_lock;
    std::atomic<std::size_t> m_automate_count = 0;
    std::atomic<std::size_t> m_begin_edit_count = 0;
    std::atomic<std::size_t> m_end_edit_count = 0;
    std::atomic<std::size_t> m_want_midi_count = 0;
    std::atomic<bool> m_editor_window = false;
    bool m_size_requested = false;
    int m_requested_width = 0;
    int m_requested_height = 0;
};

} // namespace tolvanhost
