#include "Storm.h"

#include "Watchdog.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>

namespace Stress {

namespace {

using Clock = std::chrono::steady_clock;

constexpr float nan_value = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

// How often the control thread picks each operation: cheap host calls often, whole-state
// reloads now and then, as in a session with automation and the odd project load.
constexpr double operation_weights[Storm::Operation_ENUM_SIZE] = {
    30, // set parameter
    15, // get parameter
    15, // parameter texts
    4,  // get chunk
    3,  // set valid chunk
    3,  // set truncated chunk
    4,  // set bit-flipped chunk
    2,  // set foreign chunk
    2,  // sample rate
    2,  // block size
    2,  // suspend and resume
    8,  // MIDI
    5,  // other queries
};

constexpr const char* operation_names[Storm::Operation_ENUM_SIZE] = {
    "setParameter",    "getParameter",  "parameter texts", "getChunk",    "valid setChunk",
    "truncated chunk", "flipped chunk", "foreign chunk",   "sample rate", "block size",
    "suspend/resume",  "MIDI events",   "other queries",
};

std::size_t p_below(std::minstd_rand& a_random, std::size_t a_limit) {
    return std::size_t(a_random() % a_limit);
}

unsigned p_block_frames(std::minstd_rand& a_random, unsigned a_max) {
    const unsigned pick = unsigned(a_random() % 16);
    if (pick < 3)
        return pick == 2 ? a_max : pick;
    // Often around one control block, where partial blocks start, continue and finish.
    const std::size_t limit = pick < 7 ? 33 : pick < 12 ? 1025 : std::size_t(a_max) + 1;
    return unsigned(p_below(a_random, limit));
}

double p_microseconds(std::chrono::nanoseconds a_time) {
    return double(a_time.count()) / 1000.0;
}

double p_seconds(Clock::duration a_time) {
    return std::chrono::duration<double>(a_time).count();
}

} // namespace

Storm::Storm(Vst::AEffect* a_effect, std::chrono::milliseconds a_duration, std::uint32_t a_seed,
             Bytes a_automated)
    : m_effect(a_effect), m_duration(a_duration), m_seed(a_seed), m_chunks(p_get_chunk()),
      m_automated(std::move(a_automated)) {}

Vst::IntPtr Storm::p_dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                              void* a_pointer, float a_option) {
    return m_effect->dispatcher(m_effect, a_opcode, a_index, a_value, a_pointer, a_option);
}

void Storm::p_fail(const std::string& a_message) {
    std::lock_guard lock(m_failure_lock);
    if (m_failures.size() < 20)
        std::fprintf(stderr, "stress: FAILED: %s\n", a_message.c_str());
    m_failures.push_back(a_message);
}

// --- the audio thread ---------------------------------------------------------------------------

void Storm::p_audio(std::uint32_t a_seed) {
    std::minstd_rand random(a_seed);
    std::vector<float> storage(4 * buffer_frames);
    float* const base = storage.data();
    double phase = 0.0;
    unsigned long calls = 0;
    while (!m_stop.load(std::memory_order_relaxed)) {
        const unsigned frames = p_block_frames(random, max_frames);
        const std::size_t shift = p_below(random, 4);
        float* inputs[2] = {base + shift, base + buffer_frames + shift};
        float* outputs[2] = {base + 2 * buffer_frames + shift, base + 3 * buffer_frames + shift};
        const unsigned layout = unsigned(random() % 8);
        const bool in_place = layout == 0;
        const bool no_inputs = layout == 1;
        const float level = random() % 16 == 0 ? 1e-39f : random() % 16 == 0 ? 4.0f : 0.7f;
        for (unsigned frame = 0; frame < frames; ++frame) {
            phase += 0.0627;
            inputs[0][frame] = level * float(std::sin(phase));
            inputs[1][frame] = level * float(std::cos(phase * 1.01));
        }
        float** host_outputs = in_place ? inputs : outputs;
        if (!in_place)
            // Whatever the effect leaves unwritten shows up as non-finite.
            for (float* channel : outputs)
                std::fill(channel, channel + frames, nan_value);

        const auto start = Clock::now();
        m_effect->processReplacing(m_effect, no_inputs ? nullptr : inputs, host_outputs,
                                   Vst::Int32(frames));
        m_worst_process = std::max<std::chrono::nanoseconds>(m_worst_process, Clock::now() - start);
        ++calls;
        m_audio_calls.fetch_add(1, std::memory_order_relaxed);

        // Denormal input is zero to the effect, so only a clearly audible one must sound.
        bool silent = frames > 0 && !no_inputs && level >= 0.7f;
        for (unsigned channel = 0; channel < 2; ++channel)
            for (unsigned frame = 0; frame < frames; ++frame) {
                const float value = host_outputs[channel][frame];
                if (!std::isfinite(value) && !m_bad_output.load(std::memory_order_relaxed)) {
                    m_bad_call = calls;
                    m_bad_frames = frames;
                    m_bad_frame = frame;
                    m_bad_value = value;
                    m_bad_output.store(true, std::memory_order_release);
                    return;
                }
                silent = silent && value == 0.0f;
            }
        if (silent)
            m_silent_blocks.fetch_add(1, std::memory_order_relaxed);
    }
}

// --- the control thread -------------------------------------------------------------------------

void Storm::p_control(std::uint32_t a_seed) {
    std::minstd_rand random(a_seed);
    std::discrete_distribution<int> pick(std::begin(operation_weights),
                                         std::end(operation_weights));
    const auto end = Clock::now() + m_duration / 2;
    while (Clock::now() < end && !p_failed() && !m_bad_output.load(std::memory_order_relaxed)) {
        const auto operation = Operation(pick(random));
        p_operation(operation, random);
        ++m_operation_counts[operation];
        m_control_calls.fetch_add(1, std::memory_order_relaxed);
    }
}

void Storm::p_operation(Operation a_operation, std::minstd_rand& a_random) {
    switch (a_operation) {
    case Operation_SET_PARAMETER:
        p_set_parameter(a_random);
        break;
    case Operation_GET_PARAMETER: {
        const auto index = Vst::Int32(p_below(a_random, std::size_t(m_effect->numParams) + 4)) - 2;
        const float value = m_effect->getParameter(m_effect, index);
        const bool valid = index >= 0 && index < m_effect->numParams;
        if (!(value >= 0.0f && value <= 1.0f) || (!valid && value != 0.0f))
            p_fail("getParameter(" + std::to_string(index) + ") gave " + std::to_string(value));
        break;
    }
    case Operation_PARAMETER_TEXTS:
        p_parameter_texts(a_random);
        break;
    case Operation_GET_CHUNK:
        m_chunks.add_valid(p_get_chunk(), a_random);
        break;
    case Operation_SET_VALID_CHUNK:
        p_set_valid_chunk(m_chunks.pick_valid(a_random), "during the storm");
        break;
    case Operation_SET_TRUNCATED_CHUNK:
    case Operation_SET_FLIPPED_CHUNK:
    case Operation_SET_FOREIGN_CHUNK:
        p_set_chunk(a_operation == Operation_SET_TRUNCATED_CHUNK ? m_chunks.truncated(a_random)
                    : a_operation == Operation_SET_FLIPPED_CHUNK ? m_chunks.bit_flipped(a_random)
                                                                 : m_chunks.foreign(a_random));
        // Whatever the damaged chunk left, the effect must still describe it in a valid chunk.
        m_chunks.add_valid(p_get_chunk(), a_random);
        break;
    case Operation_SAMPLE_RATE: {
        static constexpr float rates[] = {44100.0f,  48000.0f,  88200.0f,  96000.0f, 192000.0f,
                                          22050.0f,  8000.0f,   384000.0f, 2.0e6f,   0.0f,
                                          -48000.0f, nan_value, infinity};
        p_dispatch(Vst::effSetSampleRate, 0, 0, nullptr,
                   rates[p_below(a_random, std::size(rates))]);
        break;
    }
    case Operation_BLOCK_SIZE: {
        static constexpr Vst::IntPtr sizes[] = {0, 1, 16, 64, 512, 4096, 8192, -1};
        p_dispatch(Vst::effSetBlockSize, 0, sizes[p_below(a_random, std::size(sizes))]);
        break;
    }
    case Operation_SUSPEND_RESUME:
        // Hosts repeat either call now and then; both must be harmless.
        m_suspended = a_random() % 2 == 0;
        p_dispatch(Vst::effMainsChanged, 0, m_suspended ? 0 : 1);
        break;
    case Operation_MIDI:
        p_midi(a_random);
        break;
    case Operation_QUERIES:
        p_queries(a_random);
        break;
    case Operation_ENUM_SIZE:
        break;
    }
}

void Storm::p_set_parameter(std::minstd_rand& a_random) {
    static constexpr float odd_values[] = {0.0f,      1.0f,     -1.0f,     2.0f,
                                           nan_value, infinity, -infinity, 1e-42f};
    const auto index = Vst::Int32(p_below(a_random, std::size_t(m_effect->numParams) + 4)) - 2;
    const bool valid = index >= 0 && index < m_effect->numParams;
    const float value = a_random() % 4 == 0 ? odd_values[p_below(a_random, std::size(odd_values))]
                                            : float(p_below(a_random, 100001)) / 100000.0f;
    const float before = m_effect->getParameter(m_effect, index);
    m_effect->setParameter(m_effect, index, value);
    const float after = m_effect->getParameter(m_effect, index);
    const float expected = !valid              ? 0.0f
                           : std::isnan(value) ? before
                                               : std::clamp(value, 0.0f, 1.0f);
    if (after != expected)
        p_fail("setParameter(" + std::to_string(index) + ", " + std::to_string(value) +
               ") reads back as " + std::to_string(after));
}

void Storm::p_parameter_texts(std::minstd_rand& a_random) {
    static constexpr Vst::Int32 opcodes[] = {Vst::effGetParamName, Vst::effGetParamLabel,
                                             Vst::effGetParamDisplay};
    const auto index = Vst::Int32(p_below(a_random, std::size_t(m_effect->numParams) + 4)) - 2;
    for (const Vst::Int32 opcode : opcodes)
        p_check_text(opcode, index);
}

void Storm::p_check_text(Vst::Int32 a_opcode, Vst::Int32 a_index) {
    char text[64];
    std::memset(text, 'X', sizeof text);
    p_dispatch(a_opcode, a_index, 0, text);
    const std::size_t length = strnlen(text, sizeof text);
    bool beyond = false;
    for (std::size_t i = length + 1; i < sizeof text; ++i)
        beyond = beyond || text[i] != 'X';
    if (length > 15 || beyond)
        p_fail("text opcode " + std::to_string(a_opcode) + " for parameter " +
               std::to_string(a_index) + " wrote past 15 characters and the terminator");
}

Bytes Storm::p_get_chunk() {
    void* data = nullptr;
    const Vst::IntPtr size = p_dispatch(Vst::effGetChunk, 0, 0, &data);
    if (size <= 0 || !data) {
        p_fail("getChunk handed out no chunk");
        return {};
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    return Bytes(bytes, bytes + size);
}

void Storm::p_set_chunk(const Bytes& a_chunk) {
    // The host's own copy: the effect must not keep it.
    Bytes copy = a_chunk;
    if (p_dispatch(Vst::effSetChunk, 0, Vst::IntPtr(copy.size()), copy.data()) != 0)
        p_fail("setChunk answered something other than 0");
    std::fill(copy.begin(), copy.end(), 0xA5);
}

void Storm::p_set_valid_chunk(const Bytes& a_chunk, const char* a_when) {
    p_set_chunk(a_chunk);
    const Bytes again = p_get_chunk();
    if (again == a_chunk)
        return;
    const auto difference =
        std::mismatch(a_chunk.begin(), a_chunk.end(), again.begin(), again.end());
    p_fail(std::string("a valid chunk of ") + std::to_string(a_chunk.size()) + " bytes set " +
           a_when + " came back as " + std::to_string(again.size()) +
           " bytes, first difference at byte " +
           std::to_string(difference.first - a_chunk.begin()));
}

void Storm::p_midi(std::minstd_rand& a_random) {
    static constexpr std::size_t counts[] = {0, 1, 3, 16, 100, 1100};
    const std::size_t count = counts[p_below(a_random, std::size(counts))];
    std::vector<Vst::VstMidiEvent> midi(count);
    Vst::VstEvent other{};
    other.type = Vst::kVstSysExType;
    other.byteSize = sizeof other;
    // The record declares two event pointers; hosts allocate as many as they send.
    std::vector<unsigned char> storage(offsetof(Vst::VstEvents, events) +
                                       std::max<std::size_t>(count, 2) * sizeof(Vst::VstEvent*));
    auto* list = reinterpret_cast<Vst::VstEvents*>(storage.data());
    auto** pointers =
        reinterpret_cast<Vst::VstEvent**>(storage.data() + offsetof(Vst::VstEvents, events));
    list->numEvents = Vst::Int32(count);
    for (std::size_t i = 0; i < count; ++i) {
        Vst::VstMidiEvent& event = midi[i];
        event.type = Vst::kVstMidiType;
        event.byteSize = sizeof event;
        event.deltaFrames = Vst::Int32(p_below(a_random, 4096));
        static constexpr unsigned char statuses[] = {0x90, 0x80, 0xB0, 0xE0, 0x9F, 0x8F, 0xF8};
        event.midiData[0] =
            char(a_random() % 8 ? statuses[p_below(a_random, std::size(statuses))] : a_random());
        event.midiData[1] = char(a_random());
        event.midiData[2] = char(a_random());
        event.midiData[3] = char(a_random());
        pointers[i] = a_random() % 32 == 0 ? &other : reinterpret_cast<Vst::VstEvent*>(&event);
    }
    if (p_dispatch(Vst::effProcessEvents, 0, 0, list) != 1)
        p_fail("effProcessEvents did not answer 1");
}

void Storm::p_queries(std::minstd_rand& a_random) {
    char text[256];
    const auto index = Vst::Int32(p_below(a_random, std::size_t(m_effect->numParams) + 4)) - 2;
    const bool valid = index >= 0 && index < m_effect->numParams;
    if (p_dispatch(Vst::effCanBeAutomated, index) != (valid ? 1 : 0))
        p_fail("effCanBeAutomated(" + std::to_string(index) + ") gave a wrong answer");
    std::memset(text, 'X', sizeof text);
    p_dispatch(Vst::effGetProgramName, 0, 0, text);
    std::memset(text, 'X', sizeof text);
    p_dispatch(Vst::effGetProductString, 0, 0, text);
    if (strnlen(text, sizeof text) > 63)
        p_fail("the product string is longer than 63 characters");
    char can_do[] = "receiveVstTimeInfo";
    if (p_dispatch(Vst::effCanDo, 0, 0, can_do) != 0)
        p_fail("effCanDo answered an unknown question with something other than 0");
    if (p_dispatch(Vst::effGetVstVersion) != 2400)
        p_fail("effGetVstVersion is not 2400");
    p_dispatch(Vst::effGetTailSize);
    p_dispatch(Vst::effVendorSpecific, Vst::vendor_specific_wheel_index,
               Vst::vendor_specific_wheel_value, nullptr, 1.0f);
    p_dispatch(Vst::effSetProgram, 0, 0);
}

// --- after the storm ----------------------------------------------------------------------------

bool Storm::p_still_sounds() {
    std::vector<float> left(512), right(512), out_left(512), out_right(512);
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {out_left.data(), out_right.data()};
    float loudest = 0.0f;
    for (int block = 0; block < 16; ++block) {
        for (std::size_t frame = 0; frame < left.size(); ++frame)
            left[frame] = right[frame] =
                0.5f * float(std::sin(0.0627 * double(block * 512 + frame)));
        m_effect->processReplacing(m_effect, inputs, outputs, 512);
        for (std::size_t frame = 0; frame < left.size(); ++frame) {
            if (!std::isfinite(out_left[frame]) || !std::isfinite(out_right[frame]))
                return false;
            if (block >= 8)
                loudest =
                    std::max({loudest, std::fabs(out_left[frame]), std::fabs(out_right[frame])});
        }
    }
    return loudest > 1e-3f;
}

bool Storm::run(Watchdog& a_watchdog) {
    a_watchdog.set_phase("storm");
    a_watchdog.watch("audio", &m_audio_calls);
    a_watchdog.watch("control", &m_control_calls);
    const auto start = Clock::now();
    std::thread audio([&] { p_audio(m_seed); });
    std::thread control([&] { p_control(m_seed + 1); });
    control.join();
    const auto storm_time = Clock::now() - start;
    a_watchdog.set_phase("automation during loads");
    a_watchdog.watch("automation", &m_automation_calls);
    p_automation_phase(m_duration * 3 / 10);
    a_watchdog.set_phase("saving while playing");
    p_saving_phase(m_duration / 5);

    // A valid chunk still restores its exact state, with the audio thread still running.
    a_watchdog.set_phase("restoring after the storm");
    p_dispatch(Vst::effMainsChanged, 0, 1);
    p_dispatch(Vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p_set_valid_chunk(m_chunks.latest_changed(), "after the storm");
    p_set_valid_chunk(m_chunks.first(), "after the storm");
    m_stop.store(true);
    audio.join();
    a_watchdog.forget_counters();

    if (m_bad_output.load(std::memory_order_acquire))
        p_fail("processReplacing call " + std::to_string(m_bad_call) + " of " +
               std::to_string(m_bad_frames) + " frames gave the non-finite sample " +
               std::to_string(m_bad_value) + " at frame " + std::to_string(m_bad_frame));
    a_watchdog.set_phase("checking the sound");
    if (!p_still_sounds())
        p_fail("after the storm the default state gives no sound (or a non-finite one)");

    std::printf("stress: storm of %.1f s, seed %u\n", p_seconds(storm_time), m_seed);
    std::printf("  audio thread: %lu processReplacing calls (%lu silent blocks with sound in), "
                "worst %.1f us\n",
                m_audio_calls.load(), m_silent_blocks.load(), p_microseconds(m_worst_process));
    std::printf("  control thread: %lu calls\n", m_control_calls.load());
    for (int operation = 0; operation < Operation_ENUM_SIZE; ++operation)
        std::printf("    %-16s %lu\n", operation_names[operation], m_operation_counts[operation]);
    std::printf("  distinct valid chunks seen: %zu\n", m_chunks.size());
    std::printf("  automation thread: %lu calls during %lu chunk loads, worst setParameter "
                "%.1f us\n",
                m_automation_calls.load(), m_automation_loads,
                p_microseconds(m_worst_set_parameter));
    std::printf("  saving while playing: %lu chunks saved, %lu silent blocks\n", m_saves,
                m_silent_while_saving);
    std::fflush(stdout);
    return !p_failed();
}

bool Storm::p_failed() {
    std::lock_guard lock(m_failure_lock);
    return !m_failures.empty();
}

} // namespace Stress
