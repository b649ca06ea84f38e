#pragma once
// Two threads on one effect, as a busy host has them: an audio thread that calls
// processReplacing back to back with block sizes from 0 to 4096 frames (in place, with null
// inputs, at odd addresses), and a control thread that meanwhile throws every other call of the
// interface at the effect (parameters and their texts, valid and damaged chunks, sample-rate and
// block-size changes, suspend and resume, MIDI). It checks what a host can see:
//   - every output sample is finite;
//   - texts stay within 15 characters and the terminator, and write nothing beyond;
//   - a parameter reads back what the host set (clamped to 0..1; a NaN changes nothing);
//   - a valid chunk loads into exactly the state it describes, during and after the storm;
//   - afterwards the effect still makes sound.
// The worst processReplacing and setParameter wall times are printed, never judged: a loaded
// machine or a sanitizer makes any bound meaningless.
// Two phases follow with the audio thread still running (StormPhases.cpp):
//   - automation: a third thread sets, reads and shows the slots that a modulated chunk assigns,
//     as a host plays automation from its audio thread, while the control thread loads that chunk
//     and others without its modulators, so the automated parameters come and go under it (a
//     setParameter call must never wait for a load);
//   - saving: the control thread only saves state, as hosts do for undo and autosave while the
//     song plays; not one block may come out silent.
// A crash ends the process; a hang is the watchdog's (see Watchdog).

#include "ChunkVariants.h"

#include "tonekit/vst/VstAbi.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace Stress {

class Watchdog;

class Storm {
public:
    enum Operation {
        Operation_SET_PARAMETER,
        Operation_GET_PARAMETER,
        Operation_PARAMETER_TEXTS,
        Operation_GET_CHUNK,
        Operation_SET_VALID_CHUNK,
        Operation_SET_TRUNCATED_CHUNK,
        Operation_SET_FLIPPED_CHUNK,
        Operation_SET_FOREIGN_CHUNK,
        Operation_SAMPLE_RATE,
        Operation_BLOCK_SIZE,
        Operation_SUSPEND_RESUME,
        Operation_MIDI,
        Operation_QUERIES,
        Operation_ENUM_SIZE
    };

    // a_automated: a chunk whose modulators sit on the upper half of the slots.
    Storm(Vst::AEffect* a_effect, std::chrono::milliseconds a_duration, std::uint32_t a_seed,
          Bytes a_automated);

    // Runs the storm, its two phases and the checks after it; prints a report.
    // Returns false when a check failed (each failure is printed).
    bool run(Watchdog& a_watchdog);

private:
    static constexpr std::size_t max_frames = 4096;
    // Room for starting a block up to three floats past an aligned address.
    static constexpr std::size_t buffer_frames = max_frames + 4;

    void p_audio(std::uint32_t a_seed);
    void p_control(std::uint32_t a_seed);
    void p_operation(Operation a_operation, std::minstd_rand& a_random);

    void p_set_parameter(std::minstd_rand& a_random);
    void p_parameter_texts(std::minstd_rand& a_random);
    Bytes p_get_chunk();
    void p_set_chunk(const Bytes& a_chunk);
    void p_set_valid_chunk(const Bytes& a_chunk, const char* a_when);
    void p_midi(std::minstd_rand& a_random);
    void p_queries(std::minstd_rand& a_random);
    bool p_still_sounds();

    void p_automation_phase(std::chrono::milliseconds a_length);
    void p_automation(std::uint32_t a_seed);
    void p_saving_phase(std::chrono::milliseconds a_length);
    void p_check_text(Vst::Int32 a_opcode, Vst::Int32 a_index);
    // Control- and automation-thread failures; the audio thread has its own, allocation-free
    // record.
    void p_fail(const std::string& a_message);
    bool p_failed();

    Vst::IntPtr p_dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index = 0, Vst::IntPtr a_value = 0,
                           void* a_pointer = nullptr, float a_option = 0.0f);

    Vst::AEffect* m_effect;
    const std::chrono::milliseconds m_duration;
    const std::uint32_t m_seed;
    std::mutex m_failure_lock;
    std::vector<std::string> m_failures;
    ChunkVariants m_chunks;

    std::atomic<bool> m_stop{false};
    std::atomic<unsigned long> m_audio_calls{0};
    std::atomic<unsigned long> m_control_calls{0};
    std::atomic<unsigned long> m_automation_calls{0};
    std::atomic<bool> m_automation_stop{false};
    // Blocks of a clearly audible input that came out all zero.
    std::atomic<unsigned long> m_silent_blocks{0};
    unsigned long m_silent_while_saving = 0;
    unsigned long m_saves = 0;
    unsigned long m_automation_loads = 0;
    const Bytes m_automated;
    // Each written by one thread only, read after it has ended.
    std::chrono::nanoseconds m_worst_process{0};
    std::chrono::nanoseconds m_worst_set_parameter{0};
    std::array<unsigned long, Operation_ENUM_SIZE> m_operation_counts{};
    bool m_suspended = false;

    // The first non-finite output sample the audio thread met.
    std::atomic<bool> m_bad_output{false};
    unsigned long m_bad_call = 0;
    unsigned m_bad_frames = 0;
    unsigned m_bad_frame = 0;
    float m_bad_value = 0.0f;
};

} // namespace Stress
