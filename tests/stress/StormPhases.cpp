#include "Storm.h"

#include <algorithm>
#include <thread>

namespace Stress {

namespace {
using Clock = std::chrono::steady_clock;
} // namespace

void Storm::p_automation(std::uint32_t a_seed) {
    std::minstd_rand random(a_seed);
    static constexpr Vst::Int32 opcodes[] = {Vst::effGetParamName, Vst::effGetParamLabel,
                                             Vst::effGetParamDisplay};
    const Vst::Int32 first = m_effect->numParams / 2;
    while (!m_automation_stop.load(std::memory_order_relaxed)) {
        const Vst::Int32 index =
            first + Vst::Int32(random() % unsigned(m_effect->numParams - first));
        const float value = float(random() % 1001) / 1000.0f;
        const auto start = Clock::now();
        m_effect->setParameter(m_effect, index, value);
        m_worst_set_parameter =
            std::max<std::chrono::nanoseconds>(m_worst_set_parameter, Clock::now() - start);
        const float read = m_effect->getParameter(m_effect, index);
        // A load may have replaced the slot's parameter meanwhile: only the range is certain.
        if (!(read >= 0.0f && read <= 1.0f))
            p_fail("getParameter(" + std::to_string(index) + ") gave " + std::to_string(read) +
                   " during loads");
        p_check_text(opcodes[random() % std::size(opcodes)], index);
        m_automation_calls.fetch_add(1, std::memory_order_relaxed);
    }
}

void Storm::p_automation_phase(std::chrono::milliseconds a_length) {
    p_dispatch(Vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p_dispatch(Vst::effMainsChanged, 0, 1);
    m_automation_stop.store(false);
    std::thread automation([&] { p_automation(m_seed + 2); });
    // The automated modulators arrive with one chunk and leave with the other: every load
    // deletes the parameters the automation thread is busy with.
    const auto end = Clock::now() + a_length;
    while (Clock::now() < end && !m_bad_output.load(std::memory_order_relaxed)) {
        p_set_chunk(m_automated);
        p_set_chunk(m_automation_loads % 4 == 3 ? m_chunks.latest_changed() : m_chunks.first());
        m_automation_loads += 2;
        m_control_calls.fetch_add(2, std::memory_order_relaxed);
    }
    m_automation_stop.store(true);
    automation.join();
}

void Storm::p_saving_phase(std::chrono::milliseconds a_length) {
    // A state that sounds, so that any silent block is one the saving caused.
    p_set_chunk(m_chunks.first());
    p_dispatch(Vst::effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p_dispatch(Vst::effMainsChanged, 0, 1);
    // Let the audio thread get past the load before counting.
    for (const unsigned long calls = m_audio_calls.load();
         m_audio_calls.load() < calls + 8 && !m_bad_output.load();)
        std::this_thread::yield();
    const unsigned long silent_before = m_silent_blocks.load();
    const auto end = Clock::now() + a_length;
    while (Clock::now() < end) {
        if (p_get_chunk().empty())
            break;
        ++m_saves;
        m_control_calls.fetch_add(1, std::memory_order_relaxed);
    }
    m_silent_while_saving = m_silent_blocks.load() - silent_before;
    if (m_silent_while_saving > 0)
        p_fail(std::to_string(m_silent_while_saving) +
               " blocks came out silent while the state was "
               "being saved");
}

} // namespace Stress
