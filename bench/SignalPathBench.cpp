// The chorus signal path at 48 kHz, driven the way the device drives it: each host chunk (32, 256
// or 1024 frames) is cut into 16-frame control blocks, and before each control block every voice's
// pitch-modulation block is rewritten (a slow triangle per voice), so the read positions move
// through the lines as they do in use.
//
// x_realtime is seconds of audio processed per second of CPU time.

#include "chorus/SignalPath.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace tolvanchorus;

namespace {

constexpr double sample_rate = 48000.0;

void configure(SignalPath& a_path, unsigned int a_voices, bool a_cubic, bool a_eight_buffers) {
    a_path.set_processing_function(SignalPath::processing_functions()[a_eight_buffers]);
    a_path.set_interpolation(a_cubic ? InterpolationAlgorithm_CUBIC
                                     : InterpolationAlgorithm_LINEAR);
    for (unsigned int j = 0; j < SignalPath::voice_count; ++j) {
        Voice& voice = a_path.voice(j);
        voice.set_enabled(j < a_voices);
        for (unsigned int k = 0; k < block_frames; ++k) {
            voice.delay_block()[k] = float(480 + 97 * j);
            voice.depth_block()[k] = float(240 + 31 * j);
            voice.input_pan_block()[k] = -1.0f + 2.0f * float(j) / 7.0f;
            voice.output_pan_block()[k] = 1.0f - 2.0f * float(j) / 7.0f;
        }
    }
    a_path.update_effective_enabled();
}

// A triangle of 1.2 Hz per voice, phases spread over the voices, copied into each voice's
// pitch-modulation block before every control block as a modulator would write it. One period is
// precomputed a block per control block (160 KB), so the copy is all it costs. The blocks are
// found once, as the framework's parameters hold them.
class Modulation {
public:
    Modulation(SignalPath& a_path, unsigned int a_voices) : m_voices(a_voices) {
        for (unsigned int j = 0; j < a_voices; ++j)
            m_blocks[j] = &a_path.voice(j).pitch_modulation_block();
        constexpr unsigned int frames = period_blocks * block_frames;
        for (unsigned int b = 0; b < period_blocks; ++b)
            for (unsigned int k = 0; k < block_frames; ++k) {
                const float phase = float(b * block_frames + k) / float(frames);
                m_period[b][k] = 2.0f * std::min(phase, 1.0f - phase);
            }
    }

    void next_block() {
        for (unsigned int j = 0; j < m_voices; ++j)
            *m_blocks[j] = m_period[(m_block + j * period_blocks / 8) % period_blocks];
        ++m_block;
    }

private:
    static constexpr unsigned int period_blocks = 40000 / block_frames;

    unsigned int m_voices;
    Block* m_blocks[SignalPath::voice_count] = {};
    std::vector<Block> m_period = std::vector<Block>(period_blocks);
    std::size_t m_block = 0;
};

void signal_path(benchmark::State& a_state) {
    const auto voices = static_cast<unsigned int>(a_state.range(0));
    const bool cubic = a_state.range(1) != 0;
    const bool eight_buffers = a_state.range(2) != 0;
    const auto chunk = static_cast<unsigned int>(a_state.range(3));

    SignalPath path(sample_rate);
    configure(path, voices, cubic, eight_buffers);
    std::mt19937 engine(1);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    std::vector<float> left(chunk), right(chunk), out_left(chunk), out_right(chunk);
    for (unsigned int k = 0; k < chunk; ++k)
        left[k] = noise(engine), right[k] = noise(engine);

    Modulation modulation(path, voices);
    for (auto _ : a_state) {
        for (unsigned int start = 0; start < chunk; start += block_frames) {
            modulation.next_block();
            path.process(&left[start], &right[start], &out_left[start], &out_right[start],
                         block_frames);
        }
        benchmark::DoNotOptimize(out_left.data());
        benchmark::DoNotOptimize(out_right.data());
        benchmark::ClobberMemory();
    }
    a_state.counters["x_realtime"] = benchmark::Counter(
        double(a_state.iterations()) * chunk / sample_rate, benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(signal_path)
    ->ArgNames({"voices", "cubic", "eight_buffers", "chunk"})
    ->ArgsProduct({{2, 8}, {0, 1}, {0, 1}, {32, 256, 1024}});
