#pragma once
// The chorus signal path: eight delay voices over either two shared lines (input pan applied when
// reading, input gain ignored) or one line per voice (input pan and gain applied when writing),
// mixed with the dry input and scaled by the global gain.
//
// Everything the parameters write lives here: per-frame blocks (one value per frame of the control
// block, filled before each process call), the voices, and the kernels each choice selects. The
// choices are stored as function pointers when they are committed, so the block loop branches only
// on the interpolation and on whether the set of sounding voices changed. The vector work runs at
// the width the processor allows (kernels/VoicePass.h).
//
// Thread contract: construction and on_sample_rate_changed allocate and run on the user-interface
// thread while processing is stopped (the device's processing lock); everything else is
// allocation-free, lock-free and noexcept, for the audio thread and the commits that run on it.

#include "chorus/Block.h"
#include "chorus/DelayBank.h"
#include "chorus/DelayLimits.h"
#include "chorus/InterpolationAlgorithm.h"
#include "chorus/Voice.h"
#include "chorus/kernels/PanningLawKernels.h"
#include "chorus/kernels/TransformationKernels.h"
#include "chorus/kernels/VoicePass.h"

#include <array>

namespace tolvanchorus {

namespace detail {
// Where the block loop puts a voice's transformed delay and depth.
struct TransformedBlocks {
    Block delay{};
    Block depth{};
};
// The last gains of one panning law of one voice, with the inputs they came from.
struct PanningCache {
    PanningLawFunction law = nullptr;
    Block pan{};
    BlockPair gains{};
};
// Where the per-block set-up of one read finds its voice and its caches.
struct ReadSource {
    const Voice* voice = nullptr;
    PanningCache* input = nullptr;
    PanningCache* output = nullptr;
    TransformedBlocks* transformed = nullptr;
};
} // namespace detail

class SignalPath {
public:
    using ProcessingFunction = void (SignalPath::*)(const float*, const float*, float*, float*,
                                                    unsigned int);

    static constexpr unsigned int voice_count = 8;
    // Longest delay a voice can read, in milliseconds.
    static constexpr unsigned int maximum_delay_ms = 110;
    // Above any audio interface; keeps the lines' allocation bounded.
    static constexpr double maximum_sample_rate = 1536000.0;

    // [ui-thread] Sizes both banks for a_sample_rate and sets the default state.
    explicit SignalPath(double a_sample_rate);
    SignalPath(const SignalPath&) = delete;
    SignalPath& operator=(const SignalPath&) = delete;

    // [audio-thread] Processes a_frames frames, normally one control block of at most 16. Longer
    // runs are cut into 16-frame pieces that all read the same parameter blocks. Inputs and
    // outputs may be the same buffers; none needs to be aligned.
    void process(const float* a_left_in, const float* a_right_in, float* a_left_out,
                 float* a_right_out, unsigned int a_frames) noexcept;

    // [ui-thread, processing stopped] Re-sizes both banks to 110 ms at the new rate, clearing
    // them. Throws Orvo::Exception for a rate that is not in (0, maximum_sample_rate].
    void on_sample_rate_changed(double a_sample_rate);
    // [any-thread, processing stopped] The state of a fresh instance: voices 1 and 2 on, hard left
    // and right; delay 15 ms, depth 5 ms at a_sample_rate; unit gains; dry and wet 0.5; no
    // transformation; "-3dB (sch)" laws; linear interpolation; eight-buffer mode. The banks are
    // not touched.
    void set_default_state(double a_sample_rate) noexcept;
    // [audio-thread] After any enabled or solo change: if any voice is soloed, exactly the soloed
    // voices sound (enabled or not); otherwise the enabled ones.
    void update_effective_enabled() noexcept;

    // Option values, in the order of the options. The setters below are plain stores, for the
    // commits on the audio thread.
    // "2 buffers", "8 buffers".
    static const std::array<ProcessingFunction, 2>& processing_functions() noexcept;
    // "Offset", "Offset+Scale", "Scale", "Scale+Offset" ("None" is nullptr).
    static const std::array<TransformationFunction, 4>& transformation_kernels() noexcept;
    // "-6dB (lin)", "-3dB (sch)", "-3dB (scl)", "-3dB (sqr)".
    static const std::array<PanningLawFunction, 4>& panning_law_kernels() noexcept;

    // A null processing function is ignored (the mode stays as it is).
    ProcessingFunction processing_function() const noexcept { return m_processing; }
    void set_processing_function(ProcessingFunction a_function) noexcept;
    // nullptr stands for "None".
    TransformationFunction delay_transformation() const noexcept { return m_delay_transformation; }
    void set_delay_transformation(TransformationFunction a_function) noexcept;
    TransformationFunction depth_transformation() const noexcept { return m_depth_transformation; }
    void set_depth_transformation(TransformationFunction a_function) noexcept;
    InterpolationAlgorithm interpolation() const noexcept { return m_interpolation; }
    void set_interpolation(InterpolationAlgorithm a_algorithm) noexcept {
        m_interpolation = a_algorithm;
    }

    Block& delay_offset_block() noexcept { return m_delay_offset; }
    Block& delay_scale_block() noexcept { return m_delay_scale; }
    Block& depth_offset_block() noexcept { return m_depth_offset; }
    Block& depth_scale_block() noexcept { return m_depth_scale; }
    // Linear amplitude.
    Block& global_gain_block() noexcept { return m_global_gain; }
    Block& input_stereo_block() noexcept { return m_input_stereo; }
    Block& output_stereo_block() noexcept { return m_output_stereo; }
    Block& dry_block() noexcept { return m_dry; }
    Block& wet_block() noexcept { return m_wet; }

    // a_index 0..7; throws Orvo::Exception otherwise.
    Voice& voice(unsigned int a_index);
    const Voice& voice(unsigned int a_index) const;

    const DelayBank& two_line_bank() const noexcept { return m_two_line_bank; }
    const DelayBank& eight_line_bank() const noexcept { return m_eight_line_bank; }
    const DelayLimits& limits(InterpolationAlgorithm a_algorithm) const noexcept {
        return a_algorithm == InterpolationAlgorithm_LINEAR ? m_linear_limits : m_cubic_limits;
    }

private:
    void p_process_two_buffers(const float* a_left_in, const float* a_right_in, float* a_left_out,
                               float* a_right_out, unsigned int a_frames) noexcept;
    void p_process_eight_buffers(const float* a_left_in, const float* a_right_in, float* a_left_out,
                                 float* a_right_out, unsigned int a_frames) noexcept;
    void p_stage(const float* a_left_in, const float* a_right_in, unsigned int a_frames) noexcept;
    // The sounding voices' reads for this control block. What they point to is kept from block to
    // block and rebuilt only when the set of sounding voices or a transformation choice changed;
    // the transformations and the panning gains are brought up to date every block.
    void p_update_reads(const kernels::PassKernels& a_kernels) noexcept;
    // Out of line: the rare rebuild would otherwise burden every block's set-up.
    [[gnu::noinline]] void p_rebuild_reads(unsigned int a_sounding) noexcept;
    void p_transform_nothing() noexcept;
    void p_transform_reads() noexcept;
    void p_choose_transform() noexcept;
    // Drops the cached gains of the sides whose bits are set in a_sides (0 input, 1 output): their
    // stereo block changed since the gains were computed.
    void p_forget_stale_gains(unsigned int a_sides) noexcept;
    kernels::ReadPass p_read_pass(const DelayBank& a_bank) noexcept;
    void p_mix(const kernels::PassKernels& a_kernels, float* a_left_out, float* a_right_out,
               unsigned int a_frames) const noexcept;
    // Both limit pairs, for a longest delay of a_maximum frames.
    void p_set_limits(unsigned int a_maximum) noexcept;

    ProcessingFunction m_processing = &SignalPath::p_process_eight_buffers;
    TransformationFunction m_delay_transformation = nullptr;
    TransformationFunction m_depth_transformation = nullptr;
    // The block loop's step for each transformation choice, stored with it: with no
    // transformation it hands back the voice's own block, otherwise it runs the chosen kernel into
    // the scratch block it is given and hands that back.
    using TransformationStep = const float* (*)(TransformationFunction, const float*, const float*,
                                                const float*, float*) noexcept;
    TransformationStep m_delay_step;
    TransformationStep m_depth_step;
    InterpolationAlgorithm m_interpolation = InterpolationAlgorithm_LINEAR;

    Block m_delay_offset{};
    Block m_delay_scale{};
    Block m_depth_offset{};
    Block m_depth_scale{};
    Block m_global_gain{};
    Block m_input_stereo{};
    Block m_output_stereo{};
    Block m_dry{};
    Block m_wet{};

    DelayLimits m_cubic_limits;
    DelayLimits m_linear_limits;
    DelayBank m_two_line_bank;
    DelayBank m_eight_line_bank;

    // Copies of the input frames. The mix reads these rather than the host buffers, so that an
    // output that is also an input (in either pairing) cannot change what it reads.
    BlockPair m_staging{};
    BlockPair m_wet_sum{};

    std::array<Voice, voice_count> m_voices;
    // Input and output law of voice j at 2j and 2j + 1.
    std::array<detail::PanningCache, 2 * voice_count> m_panning_caches{};
    std::array<detail::TransformedBlocks, voice_count> m_transformed{};
    std::array<kernels::VoiceRead, voice_count> m_reads{};
    std::array<detail::ReadSource, voice_count> m_read_sources{};
    // Every block the cached panning gains depend on, compared in one pass each block: read r's
    // input and output pan at 2r and 2r + 1, then the input and output stereo blocks.
    std::array<kernels::BlockComparison, 2 * voice_count + 2> m_gain_inputs{};
    unsigned int m_read_count = 0;
    // What m_reads were built for; no voice set has all bits, so the first block builds them.
    unsigned int m_reads_sounding = ~0u;
    // Bit j for each voice that sounds, kept by update_effective_enabled.
    unsigned int m_sounding = 0;
    TransformationFunction m_reads_delay_transformation = nullptr;
    TransformationFunction m_reads_depth_transformation = nullptr;
    void (SignalPath::*m_transform_reads)() noexcept = &SignalPath::p_transform_nothing;
    // The input and output stereo blocks the cached gains were computed with.
    std::array<Block, 2> m_gains_stereo{};
};

} // namespace tolvanchorus
