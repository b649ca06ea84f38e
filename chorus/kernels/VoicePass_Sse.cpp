// The four-lane block loop, the baseline every x86-64 processor runs, and the choice of set.

#include "chorus/kernels/VoicePass.h"

#include "orvo/SimdLevel.h"

namespace tolvanchorus::kernels {

const PassKernels sse::pass_kernels_4 = pass::kernels_for<Orvo::Simd::Float4>();

const PassKernels& pass_kernels() noexcept {
    if (Orvo::Simd::level() == Orvo::Simd::Level_AVX2)
        return avx2::pass_kernels_8;
    return sse::pass_kernels_4;
}

} // namespace tolvanchorus::kernels
