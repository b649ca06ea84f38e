#include "tools/host/EditorAudio.h"

#include "tools/host/DemoSignal.h"

#include <algorithm>
#include <chrono>

namespace tolvanhost {
namespace {

using Clock = std::chrono::steady_clock;

// A delay-based effect is silent until its line has filled; those first blocks are not counted
// as silenced.
constexpr double warm_up_seconds = 0.25;
// Quieter input (the chord's release before it loops) may legitimately come out as zeros.
constexpr float audible_input = 1.0e-3f;

bool all_zero(const std::vector<std::vector<float>>& a_buffers) {
    return std::all_of(a_buffers.begin(), a_buffers.end(), [](const std::vector<float>& a_buffer) {
        return std::all_of(a_buffer.begin(), a_buffer.end(), [](float a_x) { return a_x == 0.0f; });
    });
}

bool audible(const std::vector<std::vector<float>>& a_buffers) {
    for (const std::vector<float>& buffer : a_buffers)
        for (float x : buffer)
            if (x > audible_input || x < -audible_input)
                return true;
    return false;
}

} // namespace

EditorAudio::EditorAudio(PluginInstance& a_plugin, int a_rate, int a_block)
    : m_plugin(a_plugin), m_rate(a_rate), m_block(a_block) {
    DemoSignal demo(a_rate);
    m_loop_left.resize(std::size_t(demo.frames()));
    m_loop_right.resize(std::size_t(demo.frames()));
    demo.read(m_loop_left.data(), m_loop_right.data(), int(demo.frames()));
    const Vst::AEffect& record = a_plugin.record();
    m_inputs.assign(std::size_t(std::max(0, record.numInputs)),
                    std::vector<float>(std::size_t(a_block)));
    m_outputs.assign(std::size_t(std::max(0, record.numOutputs)),
                     std::vector<float>(std::size_t(a_block)));
    for (auto& input : m_inputs)
        m_input_pointers.push_back(input.data());
    for (auto& output : m_outputs)
        m_output_pointers.push_back(output.data());
}

EditorAudio::~EditorAudio() {
    stop();
}

void EditorAudio::start() {
    if (m_running.exchange(true))
        return;
    m_thread = std::thread([this] { p_run(); });
}

void EditorAudio::stop() {
    m_running = false;
    if (m_thread.joinable())
        m_thread.join();
}

void EditorAudio::p_run() {
    const auto block_duration = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(m_block) / m_rate));
    const auto warm_up_blocks = std::int64_t(warm_up_seconds * m_rate / m_block);
    Clock::time_point deadline = Clock::now();
    std::int64_t position = 0;
    for (std::int64_t block = 0; m_running.load(std::memory_order_relaxed); ++block) {
        p_process_block(position);
        const bool silenced = block >= warm_up_blocks && audible(m_inputs) && all_zero(m_outputs);
        m_blocks.fetch_add(1, std::memory_order_relaxed);
        if (silenced)
            m_silenced.fetch_add(1, std::memory_order_relaxed);
        position = (position + m_block) % std::int64_t(m_loop_left.size());
        deadline += block_duration;
        const Clock::time_point now = Clock::now();
        // A sound card would have dropped out after this long; start the pace again from now.
        if (now - deadline > std::chrono::seconds(1))
            deadline = now;
        std::this_thread::sleep_until(deadline);
    }
}

void EditorAudio::p_process_block(std::int64_t a_position) {
    const std::size_t length = m_loop_left.size();
    for (std::size_t channel = 0; channel < m_inputs.size(); ++channel) {
        // A stereo plug-in gets the chord's two sides; further inputs stay silent.
        const std::vector<float>* side = channel == 0   ? &m_loop_left
                                         : channel == 1 ? &m_loop_right
                                                        : nullptr;
        for (int i = 0; i < m_block; ++i)
            m_inputs[channel][std::size_t(i)] =
                side ? (*side)[(std::size_t(a_position) + std::size_t(i)) % length] : 0.0f;
    }
    for (auto& output : m_outputs)
        std::fill(output.begin(), output.end(), 0.0f);
    Vst::AEffect* effect = m_plugin.effect();
    effect->processReplacing(effect, m_input_pointers.data(), m_output_pointers.data(), m_block);
}

} // namespace tolvanhost
