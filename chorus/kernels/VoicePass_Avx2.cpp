// The eight-lane block loop. Only this unit is compiled for AVX2 (see CMakeLists.txt); it runs
// when pass_kernels() finds the processor has it.

#include "chorus/kernels/VoicePass.h"

namespace tolvanchorus::kernels {

const PassKernels avx2::pass_kernels_8 = pass::kernels_for<Orvo::Simd::Float8>();

} // namespace tolvanchorus::kernels
