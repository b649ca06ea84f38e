#pragma once
// Which width the dispatched kernels run at. The baseline is SSE2, which every x86-64 processor
// has; AVX2 forms are chosen when the processor has AVX2. The choice is made once, while the
// module loads, so the audio thread only reads a word: no feature query, no lock.
//
// TOLVAN_SIMD=sse2 in the environment at load time keeps the baseline on any processor (to
// compare the paths, or to rule one out). Both widths give the same bits: the kernels run the same
// operations per lane.

namespace Orvo::Simd {

enum Level : unsigned {
    Level_SSE2 = 0,
    Level_AVX2 = 1,
};

// [any-thread] The widest level this processor runs, narrowed by TOLVAN_SIMD.
Level supported_level() noexcept;
// [any-thread] The level the dispatched kernels use now.
Level level() noexcept;
// [tests, processing stopped] Runs the kernels at a_level from now on; a level above
// supported_level() is taken down to it. Returns the level now in use.
Level use_level(Level a_level) noexcept;

} // namespace Orvo::Simd
