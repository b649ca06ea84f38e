#include "chorus/SignalPath.h"

#include "chorus/kernels/VoicePass.h"
#include "orvo/Core/Assert.h"

#include <algorithm>

namespace tolvanchorus {

namespace {
namespace k = kernels::sse;
namespace Simd = Orvo::Simd;
using Simd::Float4;

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

// A law's gains are a function of its law, its pan block and the stereo block alone, and voices
// mostly stand still: the law runs again only when the law or a bit of the pan block changed, or
// the stereo block did (p_forget_stale_gains clears the law then).
void refresh_gains(detail::PanningCache& a_cache, PanningLawFunction a_law, bool a_pan_changed,
                   const Block& a_pan, const Block& a_stereo) noexcept {
    if (a_law != a_cache.law || a_pan_changed) {
        a_cache.law = a_law;
        a_cache.pan = a_pan;
        a_law(a_pan.data(), a_stereo.data(), a_cache.gains.data());
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
    m_sounding = 0;
    for (unsigned int j = 0; j < voice_count; ++j) {
        Voice& voice = m_voices[j];
        voice.set_effective_enabled(any_solo ? voice.solo() : voice.enabled());
        m_sounding |= unsigned(voice.effective_enabled()) << j;
    }
}

void SignalPath::set_processing_function(ProcessingFunction a_function) noexcept {
    if (a_function != nullptr)
        m_processing = a_function;
}

void SignalPath::set_delay_transformation(TransformationFunction a_function) noexcept {
    m_delay_transformation = a_function;
    m_delay_step = a_function != nullptr ? &transformed : &untransformed;
    p_choose_transform();
}

void SignalPath::set_depth_transformation(TransformationFunction a_function) noexcept {
    m_depth_transformation = a_function;
    m_depth_step = a_function != nullptr ? &transformed : &untransformed;
    p_choose_transform();
}

void SignalPath::p_choose_transform() noexcept {
    const bool any = m_delay_transformation != nullptr || m_depth_transformation != nullptr;
    m_transform_reads = any ? &SignalPath::p_transform_reads : &SignalPath::p_transform_nothing;
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

void SignalPath::p_mix(const kernels::PassKernels& a_kernels, float* a_left_out, float* a_right_out,
                       unsigned int a_frames) const noexcept {
    BlockPair out;
    a_kernels.mix(m_wet_sum.data(), m_staging.data(), m_wet.data(), m_dry.data(),
                  m_global_gain.data(), out.data());
    if (a_frames == block_frames) {
        std::copy_n(out.left(), block_frames, a_left_out);
        std::copy_n(out.right(), block_frames, a_right_out);
    } else {
        std::copy_n(out.left(), a_frames, a_left_out);
        std::copy_n(out.right(), a_frames, a_right_out);
    }
}

void SignalPath::p_rebuild_reads(unsigned int a_sounding) noexcept {
    m_reads_sounding = a_sounding;
    m_reads_delay_transformation = m_delay_transformation;
    m_reads_depth_transformation = m_depth_transformation;
    m_read_count = 0;
    for (unsigned int j = 0; j < voice_count; ++j) {
        if (!((a_sounding >> j) & 1u))
            continue;
        const Voice& voice = m_voices[j];
        kernels::VoiceRead& read = m_reads[m_read_count++];
        read.line = j;
        read.delay =
            m_delay_transformation ? m_transformed[j].delay.data() : voice.delay_block().data();
        read.depth =
            m_depth_transformation ? m_transformed[j].depth.data() : voice.depth_block().data();
        read.modulation = voice.pitch_modulation_block().data();
        read.output_gain = voice.output_gain_block().data();
        read.input_gain = voice.input_gain_block().data();
        read.input_gains = m_panning_caches[2 * j].gains.data();
        read.output_gains = m_panning_caches[2 * j + 1].gains.data();
        m_read_sources[m_read_count - 1] = {&voice, &m_panning_caches[2 * j],
                                            &m_panning_caches[2 * j + 1], &m_transformed[j]};
        m_gain_inputs[2 * m_read_count - 2] = {voice.input_pan_block().data(),
                                               m_panning_caches[2 * j].pan.data()};
        m_gain_inputs[2 * m_read_count - 1] = {voice.output_pan_block().data(),
                                               m_panning_caches[2 * j + 1].pan.data()};
    }
    m_gain_inputs[2 * m_read_count] = {m_input_stereo.data(), m_gains_stereo[0].data()};
    m_gain_inputs[2 * m_read_count + 1] = {m_output_stereo.data(), m_gains_stereo[1].data()};
}

void SignalPath::p_update_reads(const kernels::PassKernels& a_kernels) noexcept {
    const unsigned int sounding = m_sounding;
    if (sounding != m_reads_sounding || m_delay_transformation != m_reads_delay_transformation ||
        m_depth_transformation != m_reads_depth_transformation) [[unlikely]]
        p_rebuild_reads(sounding);
    (this->*m_transform_reads)();
    const unsigned int changed =
        a_kernels.changed_blocks(m_gain_inputs.data(), 2 * m_read_count + 2);
    p_forget_stale_gains(changed >> (2 * m_read_count));
    for (unsigned int r = 0; r < m_read_count; ++r) {
        const detail::ReadSource& source = m_read_sources[r];
        refresh_gains(*source.input, source.voice->input_panning_law(), (changed >> (2 * r)) & 1u,
                      source.voice->input_pan_block(), m_input_stereo);
        refresh_gains(*source.output, source.voice->output_panning_law(),
                      (changed >> (2 * r + 1)) & 1u, source.voice->output_pan_block(),
                      m_output_stereo);
    }
}

void SignalPath::p_transform_nothing() noexcept {}

void SignalPath::p_transform_reads() noexcept {
    for (unsigned int r = 0; r < m_read_count; ++r) {
        const detail::ReadSource& source = m_read_sources[r];
        m_delay_step(m_delay_transformation, source.voice->delay_block().data(),
                     m_delay_offset.data(), m_delay_scale.data(), source.transformed->delay.data());
        m_depth_step(m_depth_transformation, source.voice->depth_block().data(),
                     m_depth_offset.data(), m_depth_scale.data(), source.transformed->depth.data());
    }
}

void SignalPath::p_forget_stale_gains(unsigned int a_sides) noexcept {
    for (unsigned int side = 0; side < 2; ++side) {
        if (!((a_sides >> side) & 1u))
            continue;
        m_gains_stereo[side] = side == 0 ? m_input_stereo : m_output_stereo;
        for (unsigned int j = 0; j < voice_count; ++j)
            m_panning_caches[2 * j + side].law = nullptr;
    }
}

kernels::ReadPass SignalPath::p_read_pass(const DelayBank& a_bank) noexcept {
    const DelayLimits& limits = this->limits(m_interpolation);
    return {a_bank.line(0),     a_bank.length(),   a_bank.mask(),
            a_bank.positions(), limits.minimum[0], limits.maximum[0],
            m_reads.data(),     m_read_count,      m_wet_sum.data()};
}

void SignalPath::p_process_two_buffers(const float* a_left_in, const float* a_right_in,
                                       float* a_left_out, float* a_right_out,
                                       unsigned int a_frames) noexcept {
    const kernels::PassKernels& pass = kernels::pass_kernels();
    p_stage(a_left_in, a_right_in, a_frames);
    m_two_line_bank.write(0, m_staging.left(), a_frames);
    m_two_line_bank.write(1, m_staging.right(), a_frames);
    p_update_reads(pass);

    const kernels::ReadPass read_pass = p_read_pass(m_two_line_bank);
    if (m_interpolation == InterpolationAlgorithm_LINEAR)
        pass.shared_linear(read_pass);
    else
        pass.shared_cubic(read_pass);
    m_two_line_bank.advance(a_frames);
    p_mix(pass, a_left_out, a_right_out, a_frames);
}

void SignalPath::p_process_eight_buffers(const float* a_left_in, const float* a_right_in,
                                         float* a_left_out, float* a_right_out,
                                         unsigned int a_frames) noexcept {
    const kernels::PassKernels& pass = kernels::pass_kernels();
    p_stage(a_left_in, a_right_in, a_frames);

    p_update_reads(pass);

    // All sounding voices write their lines before any is read. A voice reads only its own line,
    // so this gives what writing and reading voice by voice would.
    const kernels::ReadPass read_pass = p_read_pass(m_eight_line_bank);
    // Straight into the lines when the block is one run of them.
    if (float* const run = m_eight_line_bank.whole_block(0, a_frames)) {
        pass.voice_inputs(read_pass, m_staging.data(), run);
    } else {
        for (unsigned int r = 0; r < m_read_count; ++r) {
            const kernels::VoiceRead& read = m_reads[r];
            Block input;
            pass.voice_input(m_staging.data(), read.input_gains, read.input_gain, input.data());
            m_eight_line_bank.write(read.line, input.data(), a_frames);
        }
    }

    if (m_interpolation == InterpolationAlgorithm_LINEAR)
        pass.own_linear(read_pass);
    else
        pass.own_cubic(read_pass);
    m_eight_line_bank.advance(a_frames);
    p_mix(pass, a_left_out, a_right_out, a_frames);
}

} // namespace tolvanchorus
