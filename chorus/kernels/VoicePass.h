#pragma once
// The block loop's vector work, once per control block: the eight-buffer voices' line inputs, the
// read pass of every sounding voice (read positions, taps, interpolation, output gain and pan into
// the wet sum) and the mix. Written once as templates over the vector type and built twice, in
// VoicePass_Sse.cpp (four lanes, the baseline) and VoicePass_Avx2.cpp (eight lanes, compiled for
// AVX2); pass_kernels() picks the set the processor runs (orvo/SimdLevel.h). Both sets run the
// same operations per lane, in GroupKernels.h, and so give the same bits.
//
// The read pass calls nothing, so constants stay in registers from voice to voice, and the read
// positions of all voices come first: the interpolations then depend on nothing computed just
// before them, which leaves the processor many of them to overlap.

#include "chorus/Block.h"
#include "chorus/kernels/GroupKernels.h"
#if defined(__AVX2__)
#include "chorus/kernels/GroupKernels256.h"
#endif

#include <cstdint>

namespace tolvanchorus::kernels {

// What the read pass needs of one sounding voice. Gain pairs are (left, right) block pairs.
struct VoiceRead {
    const float* delay;
    const float* depth;
    const float* modulation;
    const float* input_gains;
    const float* output_gains;
    const float* output_gain;
    // Read by the eight-buffer mode only.
    const float* input_gain;
    unsigned int line;
};

// One read pass over the lines of a bank.
struct ReadPass {
    const float* lines;
    std::uint32_t line_length;
    std::uint32_t mask;
    const std::uint32_t* positions;
    // The clamp of the read position, in frames.
    float low;
    float high;
    const VoiceRead* reads;
    unsigned int count;
    // The wet sum, a block pair.
    float* wet;
};

// A block the per-block set-up depends on, and the copy of it that its cached result was made from.
struct BlockComparison {
    const float* current;
    const float* cached;
};

struct PassKernels {
    using Read = void (*)(const ReadPass& a_pass) noexcept;
    // Own lines (eight-buffer mode) and shared lines (two-buffer mode), linear and cubic.
    Read own_linear;
    Read own_cubic;
    Read shared_linear;
    Read shared_cubic;
    // a_result = (left * gL + right * gR) * gain, from the staging pair; a_result need not be
    // aligned.
    void (*voice_input)(const float* a_staging, const float* a_gains, const float* a_gain,
                        float* a_result) noexcept;
    // Every read's voice input written to its own line, for a control block that is one run of
    // the lines: a_run is where it starts in line 0, line j's is j line lengths further.
    void (*voice_inputs)(const ReadPass& a_pass, const float* a_staging, float* a_run) noexcept;
    // out = (wet * wet_level + in * dry) * global_gain for both sides, into a block pair.
    void (*mix)(const float* a_wet_sum, const float* a_staging, const float* a_wet_level,
                const float* a_dry, const float* a_global_gain, float* a_result) noexcept;
    // Bit i set when the two blocks of comparison i differ in any bit (a NaN is equal to the same
    // NaN, 0 differs from -0); a_count at most 32.
    unsigned int (*changed_blocks)(const BlockComparison* a_comparisons,
                                   unsigned int a_count) noexcept;
};

// [any-thread] The set for the current level.
const PassKernels& pass_kernels() noexcept;

namespace sse {
extern const PassKernels pass_kernels_4;
}
namespace avx2 {
extern const PassKernels pass_kernels_8;
} // namespace avx2

namespace pass {

using namespace Orvo::Simd;
namespace groups = sse::groups;

template <typename V>
void locate(const ReadPass& a_pass, const VoiceRead& a_read, std::uint32_t* a_tap,
            float* a_fraction) noexcept {
    const auto mask = set1_bits_as<V>(a_pass.mask);
    const V low = set1_as<V>(a_pass.low);
    const V high = set1_as<V>(a_pass.high);
    for (unsigned int g = 0; g < block_frames; g += width<V>) {
        const auto position =
            groups::read_position(load_as<V>(a_read.delay + g), load_as<V>(a_read.depth + g),
                                  load_as<V>(a_read.modulation + g), low, high);
        store(a_tap + g,
              groups::tap_index(load_bits_as<V>(a_pass.positions + g), position.index, mask));
        store(a_fraction + g, position.fraction);
    }
}

// wetL += v * gain * oL; wetR += v * gain * oR for the lanes from a_group.
template <typename V>
void accumulate(V a_voice, const VoiceRead& a_read, unsigned int a_group, float* a_wet) noexcept {
    groups::accumulate(a_voice, load_as<V>(a_read.output_gain + a_group),
                       load_as<V>(a_read.output_gains + a_group),
                       load_as<V>(a_read.output_gains + block_frames + a_group), a_wet + a_group,
                       a_wet + block_frames + a_group);
}

struct Linear {
    template <typename V>
    static V read(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                  V a_fraction) noexcept {
        return groups::interpolate_linear(a_line, a_tap, a_mask, a_fraction);
    }
};

struct Cubic {
    template <typename V>
    static V read(const float* a_line, const std::uint32_t* a_tap, std::uint32_t a_mask,
                  V a_fraction) noexcept {
        return groups::interpolate_cubic(a_line, a_tap, a_mask, a_fraction);
    }
};

constexpr unsigned int most_voices = 8;

// The taps and fractions of every read, before any interpolation.
struct Located {
    PositionBlock taps[most_voices];
    Block fractions[most_voices];
};

// Inline, so that the constants of the read pass stay in registers across it.
template <typename V>
[[gnu::always_inline]] inline void locate_all(const ReadPass& a_pass, Located& a_located) noexcept {
    for (unsigned int r = 0; r < a_pass.count; ++r)
        locate<V>(a_pass, a_pass.reads[r], a_located.taps[r].data(), a_located.fractions[r].data());
}

// Each voice's own line at its taps.
template <typename V, class Interpolation>
void read_own_lines(const ReadPass& a_pass) noexcept {
    Located located;
    locate_all<V>(a_pass, located);
    const PositionBlock* const taps = located.taps;
    const Block* const fractions = located.fractions;
    for (unsigned int r = 0; r < a_pass.count; ++r) {
        const VoiceRead& read = a_pass.reads[r];
        const float* const line = a_pass.lines + read.line * a_pass.line_length;
        for (unsigned int g = 0; g < block_frames; g += width<V>)
            accumulate(Interpolation::read(line, taps[r].data() + g, a_pass.mask,
                                           load_as<V>(fractions[r].data() + g)),
                       read, g, a_pass.wet);
    }
}

// Both shared lines at each voice's taps, input pan applied to what is read:
// v = readL gL + readR gR.
template <typename V, class Interpolation>
void read_shared_lines(const ReadPass& a_pass) noexcept {
    Located located;
    locate_all<V>(a_pass, located);
    const PositionBlock* const taps = located.taps;
    const Block* const fractions = located.fractions;
    const float* const left_line = a_pass.lines;
    const float* const right_line = a_pass.lines + a_pass.line_length;
    for (unsigned int r = 0; r < a_pass.count; ++r) {
        const VoiceRead& read = a_pass.reads[r];
        for (unsigned int g = 0; g < block_frames; g += width<V>) {
            const V f = load_as<V>(fractions[r].data() + g);
            const V left = Interpolation::read(left_line, taps[r].data() + g, a_pass.mask, f);
            const V right = Interpolation::read(right_line, taps[r].data() + g, a_pass.mask, f);
            accumulate(groups::pan_sum(left, right, load_as<V>(read.input_gains + g),
                                       load_as<V>(read.input_gains + block_frames + g)),
                       read, g, a_pass.wet);
        }
    }
}

template <typename V>
void voice_input(const float* a_staging, const float* a_gains, const float* a_gain,
                 float* a_result) noexcept {
    for (unsigned int g = 0; g < block_frames; g += width<V>)
        store_unaligned(a_result + g,
                        groups::pan_sum_scaled(
                            load_as<V>(a_staging + g), load_as<V>(a_staging + block_frames + g),
                            load_as<V>(a_gains + g), load_as<V>(a_gains + block_frames + g),
                            load_as<V>(a_gain + g)));
}

template <typename V>
void voice_inputs(const ReadPass& a_pass, const float* a_staging, float* a_run) noexcept {
    for (unsigned int r = 0; r < a_pass.count; ++r) {
        const VoiceRead& read = a_pass.reads[r];
        voice_input<V>(a_staging, read.input_gains, read.input_gain,
                       a_run + read.line * a_pass.line_length);
    }
}

template <typename V>
void mix(const float* a_wet_sum, const float* a_staging, const float* a_wet_level,
         const float* a_dry, const float* a_global_gain, float* a_result) noexcept {
    for (unsigned int g = 0; g < block_frames; g += width<V>) {
        const V wet = load_as<V>(a_wet_level + g);
        const V dry = load_as<V>(a_dry + g);
        const V gain = load_as<V>(a_global_gain + g);
        for (unsigned int side = 0; side < 2 * block_frames; side += block_frames)
            store(a_result + side + g,
                  groups::mix(load_as<V>(a_wet_sum + side + g), load_as<V>(a_staging + side + g),
                              wet, dry, gain));
    }
}

template <typename V>
unsigned int changed_blocks(const BlockComparison* a_comparisons, unsigned int a_count) noexcept {
    unsigned int changed = 0;
    for (unsigned int i = 0; i < a_count; ++i) {
        const BlockComparison& comparison = a_comparisons[i];
        auto same =
            equal(bits_of(load_as<V>(comparison.current)), bits_of(load_as<V>(comparison.cached)));
        for (unsigned int g = width<V>; g < block_frames; g += width<V>)
            same = bit_and(same, equal(bits_of(load_as<V>(comparison.current + g)),
                                       bits_of(load_as<V>(comparison.cached + g))));
        changed |= unsigned(!all(same)) << i;
    }
    return changed;
}

template <typename V>
constexpr PassKernels kernels_for() noexcept {
    return {&read_own_lines<V, Linear>,
            &read_own_lines<V, Cubic>,
            &read_shared_lines<V, Linear>,
            &read_shared_lines<V, Cubic>,
            &voice_input<V>,
            &voice_inputs<V>,
            &mix<V>,
            &changed_blocks<V>};
}

} // namespace pass

} // namespace tolvanchorus::kernels
