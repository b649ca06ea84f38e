#include "chorus/SignalPath.h"

#include "chorus/kernels/GroupKernels.h"
#include "orvo/Core/Assert.h"

#include <algorithm>

namespace tolvanchorus {

// What the read pass needs of one sounding voice, prepared by the kernels its choices select.
struct detail::VoiceRead {
    const Voice* voice;
    unsigned int line;
    const float* delay;
    const float* depth;
    Block transformed_delay;
    Block transformed_depth;
    BlockPair input_gains;
    BlockPair output_gains;
};

namespace {
using detail::VoiceRead;
namespace k = kernels::sse;
namespace groups = kernels::sse::groups;
namespace Simd = Orvo::Simd;
using Simd::Float4;
using Simd::Int4;

unsigned int frames_of_maximum_delay(double a_sample_rate) {
    ORVO_ASSERT(a_sample_rate > 0.0 && a_sample_rate <= SignalPath::maximum_sample_rate);
    return static_cast<unsigned int>(a_sample_rate * SignalPath::maximum_delay_ms / 1000.0);
}

const float* untransformed(TransformationFunction, const float* a_block, const float*, const float*,
                           float*) noexcept {
    return a_block;
}

const float* transformed(TransformationFunction a_kernel, const float* a_block,
                         const float* a_offset, const float* a_scale, float* a_scratch) noexcept {
    a_kernel(a_block, a_offset, a_scale, a_scratch);
    return a_scratch;
}

struct Linear {
    static Float4 read(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                       Float4 a_fraction) noexcept {
        return groups::interpolate_linear(a_line, a_tap, a_mask, a_fraction);
    }
};

struct Cubic {
    static Float4 read(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                       Float4 a_fraction) noexcept {
        return groups::interpolate_cubic(a_line, a_tap, a_mask, a_fraction);
    }
};

// Read positions and taps of one voice.
void locate(const DelayBank& a_bank, const DelayLimits& a_limits, const VoiceRead& a_read,
            PositionBlock& a_tap, Block& a_fraction) noexcept {
    const Int4 mask = Simd::set1(a_bank.mask());
    const Float4 low = Simd::load(a_limits.minimum);
    const Float4 high = Simd::load(a_limits.maximum);
    const float* const modulation = a_read.voice->pitch_modulation_block().data();
    for (unsigned int g = 0; g < block_frames; g += 4) {
        const groups::ReadPosition position =
            groups::read_position(Simd::load(a_read.delay + g), Simd::load(a_read.depth + g),
                                  Simd::load(modulation + g), low, high);
        Simd::store(a_tap.data() + g,
                    groups::tap_index(Simd::load(a_bank.positions() + g), position.index, mask));
        Simd::store(a_fraction.data() + g, position.fraction);
    }
}

void accumulate(Float4 a_voice, const VoiceRead& a_read, unsigned int a_group,
                BlockPair& a_wet) noexcept {
    groups::accumulate(a_voice, Simd::load(a_read.voice->output_gain_block().data() + a_group),
                       Simd::load(a_read.output_gains.left() + a_group),
                       Simd::load(a_read.output_gains.right() + a_group), a_wet.left() + a_group,
                       a_wet.right() + a_group);
}

// The read pass of the eight-buffer mode: each voice's own line at its taps, then output gain and
// pan into the wet sum. It calls nothing, so constants stay in registers from voice to voice, and
// the read positions of all voices come first: the interpolations then depend on nothing computed
// just before them, which leaves the processor many of them to overlap.
template <class Interpolation>
void read_own_lines(const DelayBank& a_bank, const DelayLimits& a_limits, const VoiceRead* a_reads,
                    unsigned int a_count, BlockPair& a_wet) noexcept {
    PositionBlock taps[SignalPath::voice_count];
    Block fractions[SignalPath::voice_count];
    for (unsigned int r = 0; r < a_count; ++r)
        locate(a_bank, a_limits, a_reads[r], taps[r], fractions[r]);
    const std::uint32_t mask = a_bank.mask();
    for (unsigned int r = 0; r < a_count; ++r) {
        const float* const line = a_bank.line(a_reads[r].line);
        const float* const fraction = fractions[r].data();
        for (unsigned int g = 0; g < block_frames; g += 4)
            accumulate(
                Interpolation::read(line, taps[r].data() + g, mask, Simd::load(fraction + g)),
                a_reads[r], g, a_wet);
    }
}

// The same for the two-buffer mode: both shared lines at each voice's taps, input pan applied to
// what is read (v = readL gL + readR gR), the input gain unused.
template <class Interpolation>
void read_shared_lines(const DelayBank& a_bank, const DelayLimits& a_limits,
                       const VoiceRead* a_reads, unsigned int a_count, BlockPair& a_wet) noexcept {
    PositionBlock taps[SignalPath::voice_count];
    Block fractions[SignalPath::voice_count];
    for (unsigned int r = 0; r < a_count; ++r)
        locate(a_bank, a_limits, a_reads[r], taps[r], fractions[r]);
    const std::uint32_t mask = a_bank.mask();
    const float* const left_line = a_bank.line(0);
    const float* const right_line = a_bank.line(1);
    for (unsigned int r = 0; r < a_count; ++r) {
        const VoiceRead& read = a_reads[r];
        const float* const fraction = fractions[r].data();
        for (unsigned int g = 0; g < block_frames; g += 4) {
            const Float4 f = Simd::load(fraction + g);
            const Float4 left = Interpolation::read(left_line, taps[r].data() + g, mask, f);
            const Float4 right = Interpolation::read(right_line, taps[r].data() + g, mask, f);
            accumulate(groups::pan_sum(left, right, Simd::load(read.input_gains.left() + g),
                                       Simd::load(read.input_gains.right() + g)),
                       read, g, a_wet);
        }
    }
}

void fill(Block& a_block, float a_value) noexcept {
    std::fill_n(a_block.lanes, block_frames, a_value);
}

float milliseconds_to_frames(double a_milliseconds, double a_sample_rate) noexcept {
    return static_cast<float>(a_milliseconds * a_sample_rate / 1000.0);
}
} // namespace

SignalPath::SignalPath(double a_sample_rate)
    : m_delay_step(&untransformed), m_depth_step(&untransformed),
      m_two_line_bank(2, frames_of_maximum_delay(a_sample_rate)),
      m_eight_line_bank(voice_count, frames_of_maximum_delay(a_sample_rate)) {
    p_set_limits(m_two_line_bank.size());
    set_default_state(a_sample_rate);
}

const std::array<SignalPath::ProcessingFunction, 2>& SignalPath::processing_functions() noexcept {
    static constexpr std::array<ProcessingFunction, 2> functions = {
        &SignalPath::p_process_two_buffers, &SignalPath::p_process_eight_buffers};
    return functions;
}

const std::array<TransformationFunction, 4>& SignalPath::transformation_kernels() noexcept {
    static constexpr std::array<TransformationFunction, 4> functions = {
        &k::offset, &k::offset_scale, &k::scale, &k::scale_offset};
    return functions;
}

const std::array<PanningLawFunction, 4>& SignalPath::panning_law_kernels() noexcept {
    static constexpr std::array<PanningLawFunction, 4> functions = {
        &k::pan_linear, &k::pan_sine_cosine_high, &k::pan_sine_cosine_low, &k::pan_square_root};
    return functions;
}

void SignalPath::on_sample_rate_changed(double a_sample_rate) {
    const unsigned int size = frames_of_maximum_delay(a_sample_rate);
    // The limit never exceeds the size of either bank, even when the second resize fails.
    p_set_limits(std::min(size, m_two_line_bank.size()));
    m_two_line_bank.resize(size);
    m_eight_line_bank.resize(size);
    p_set_limits(size);
}

void SignalPath::p_set_limits(unsigned int a_maximum) noexcept {
    const float maximum = static_cast<float>(a_maximum);
    // The cubic reads one frame ahead of its delay; a delay of at least 1 keeps that frame written.
    m_cubic_limits.set(1.0f, maximum);
    m_linear_limits.set(0.0f, maximum);
}

void SignalPath::set_default_state(double a_sample_rate) noexcept {
    set_processing_function(&SignalPath::p_process_eight_buffers);
    set_delay_transformation(nullptr);
    set_depth_transformation(nullptr);
    set_interpolation(InterpolationAlgorithm_LINEAR);
    fill(m_delay_offset, 0.0f);
    fill(m_delay_scale, 1.0f);
    fill(m_depth_offset, 0.0f);
    fill(m_depth_scale, 1.0f);
    fill(m_global_gain, 1.0f);
    fill(m_input_stereo, 1.0f);
    fill(m_output_stereo, 1.0f);
    fill(m_dry, 0.5f);
    fill(m_wet, 0.5f);
    for (unsigned int j = 0; j < voice_count; ++j) {
        Voice& voice = m_voices[j];
        voice.set_enabled(j < 2);
        voice.set_solo(false);
        const float pan = j == 0 ? -1.0f : j == 1 ? 1.0f : 0.0f;
        fill(voice.delay_block(), milliseconds_to_frames(15.0, a_sample_rate));
        fill(voice.depth_block(), milliseconds_to_frames(5.0, a_sample_rate));
        fill(voice.input_gain_block(), 1.0f);
        fill(voice.input_pan_block(), pan);
        fill(voice.output_gain_block(), 1.0f);
        fill(voice.output_pan_block(), pan);
        fill(voice.pitch_modulation_block(), 0.0f);
        voice.set_input_panning_law(&k::pan_sine_cosine_high);
        voice.set_output_panning_law(&k::pan_sine_cosine_high);
    }
    update_effective_enabled();
}

void SignalPath::update_effective_enabled() noexcept {
    const bool any_solo = std::any_of(m_voices.begin(), m_voices.end(),
                                      [](const Voice& a_voice) { return a_voice.solo(); });
    for (Voice& voice : m_voices)
        voice.set_effective_enabled(any_solo ? voice.solo() : voice.enabled());
}

void SignalPath::set_processing_function(ProcessingFunction a_function) noexcept {
    if (a_function != nullptr)
        m_processing = a_function;
}

void SignalPath::set_delay_transformation(TransformationFunction a_function) noexcept {
    m_delay_transformation = a_function;
    m_delay_step = a_function != nullptr ? &transformed : &untransformed;
}

void SignalPath::set_depth_transformation(TransformationFunction a_function) noexcept {
    m_depth_transformation = a_function;
    m_depth_step = a_function != nullptr ? &transformed : &untransformed;
}

Voice& SignalPath::voice(unsigned int a_index) {
    ORVO_ASSERT(a_index < voice_count);
    return m_voices[a_index];
}

const Voice& SignalPath::voice(unsigned int a_index) const {
    ORVO_ASSERT(a_index < voice_count);
    return m_voices[a_index];
}

void SignalPath::process(const float* a_left_in, const float* a_right_in, float* a_left_out,
                         float* a_right_out, unsigned int a_frames) noexcept {
    while (a_frames > 0) {
        const unsigned int frames = std::min(a_frames, block_frames);
        (this->*m_processing)(a_left_in, a_right_in, a_left_out, a_right_out, frames);
        a_left_in += frames;
        a_right_in += frames;
        a_left_out += frames;
        a_right_out += frames;
        a_frames -= frames;
    }
}

void SignalPath::p_stage(const float* a_left_in, const float* a_right_in,
                         unsigned int a_frames) noexcept {
    // A constant count lets the compiler copy a whole block without a call.
    if (a_frames == block_frames) {
        std::copy_n(a_left_in, block_frames, m_staging.left());
        std::copy_n(a_right_in, block_frames, m_staging.right());
    } else {
        std::copy_n(a_left_in, a_frames, m_staging.left());
        std::copy_n(a_right_in, a_frames, m_staging.right());
    }
    std::fill_n(m_wet_sum.lanes, 2 * block_frames, 0.0f);
}

void SignalPath::p_mix(float* a_left_out, float* a_right_out,
                       unsigned int a_frames) const noexcept {
    Block left;
    Block right;
    for (unsigned int g = 0; g < block_frames; g += 4) {
        const Float4 wet = Simd::load(m_wet.data() + g);
        const Float4 dry = Simd::load(m_dry.data() + g);
        const Float4 gain = Simd::load(m_global_gain.data() + g);
        Simd::store(left.data() + g, groups::mix(Simd::load(m_wet_sum.left() + g),
                                                 Simd::load(m_staging.left() + g), wet, dry, gain));
        Simd::store(right.data() + g,
                    groups::mix(Simd::load(m_wet_sum.right() + g),
                                Simd::load(m_staging.right() + g), wet, dry, gain));
    }
    if (a_frames == block_frames) {
        std::copy_n(left.lanes, block_frames, a_left_out);
        std::copy_n(right.lanes, block_frames, a_right_out);
    } else {
        std::copy_n(left.lanes, a_frames, a_left_out);
        std::copy_n(right.lanes, a_frames, a_right_out);
    }
}

void SignalPath::p_prepare(const Voice& a_voice, VoiceRead& a_read) const noexcept {
    a_read.voice = &a_voice;
    a_read.delay =
        m_delay_step(m_delay_transformation, a_voice.delay_block().data(), m_delay_offset.data(),
                     m_delay_scale.data(), a_read.transformed_delay.data());
    a_read.depth =
        m_depth_step(m_depth_transformation, a_voice.depth_block().data(), m_depth_offset.data(),
                     m_depth_scale.data(), a_read.transformed_depth.data());
    a_voice.input_panning_law()(a_voice.input_pan_block().data(), m_input_stereo.data(),
                                a_read.input_gains.data());
    a_voice.output_panning_law()(a_voice.output_pan_block().data(), m_output_stereo.data(),
                                 a_read.output_gains.data());
}

void SignalPath::p_process_two_buffers(const float* a_left_in, const float* a_right_in,
                                       float* a_left_out, float* a_right_out,
                                       unsigned int a_frames) noexcept {
    p_stage(a_left_in, a_right_in, a_frames);
    m_two_line_bank.write(0, m_staging.left(), a_frames);
    m_two_line_bank.write(1, m_staging.right(), a_frames);

    VoiceRead reads[voice_count];
    unsigned int count = 0;
    for (const Voice& voice : m_voices)
        if (voice.effective_enabled())
            p_prepare(voice, reads[count++]);

    if (m_interpolation == InterpolationAlgorithm_LINEAR)
        read_shared_lines<Linear>(m_two_line_bank, m_linear_limits, reads, count, m_wet_sum);
    else
        read_shared_lines<Cubic>(m_two_line_bank, m_cubic_limits, reads, count, m_wet_sum);
    m_two_line_bank.advance(a_frames);
    p_mix(a_left_out, a_right_out, a_frames);
}

void SignalPath::p_process_eight_buffers(const float* a_left_in, const float* a_right_in,
                                         float* a_left_out, float* a_right_out,
                                         unsigned int a_frames) noexcept {
    p_stage(a_left_in, a_right_in, a_frames);

    // All sounding voices write their lines before any is read. A voice reads only its own line,
    // so this gives what writing and reading voice by voice would.
    VoiceRead reads[voice_count];
    unsigned int count = 0;
    for (unsigned int j = 0; j < voice_count; ++j) {
        const Voice& voice = m_voices[j];
        if (!voice.effective_enabled())
            continue;
        VoiceRead& read = reads[count++];
        p_prepare(voice, read);
        read.line = j;
        Block input;
        for (unsigned int g = 0; g < block_frames; g += 4)
            Simd::store(input.data() + g,
                        groups::pan_sum_scaled(Simd::load(m_staging.left() + g),
                                               Simd::load(m_staging.right() + g),
                                               Simd::load(read.input_gains.left() + g),
                                               Simd::load(read.input_gains.right() + g),
                                               Simd::load(voice.input_gain_block().data() + g)));
        m_eight_line_bank.write(j, input.data(), a_frames);
    }

    if (m_interpolation == InterpolationAlgorithm_LINEAR)
        read_own_lines<Linear>(m_eight_line_bank, m_linear_limits, reads, count, m_wet_sum);
    else
        read_own_lines<Cubic>(m_eight_line_bank, m_cubic_limits, reads, count, m_wet_sum);
    m_eight_line_bank.advance(a_frames);
    p_mix(a_left_out, a_right_out, a_frames);
}

} // namespace tolvanchorus
