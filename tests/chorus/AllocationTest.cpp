// The audio path must not allocate.

#include "chorus/SignalPath.h"
#include "tests/support/AllocationCounter.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace tolvanchorus;
using TestSupport::AllocationCounter;

TEST(RealTime, TheCounterSeesAllocations) {
    AllocationCounter counter;
    // Through a volatile pointer, so that the compiler cannot drop the pair.
    int* volatile plain = new int(1);
    delete plain;
    auto aligned = std::make_unique<Block>();
    EXPECT_EQ(counter.stop(), 2);
}

TEST(RealTime, ProcessingAndCommitsDoNotAllocate) {
    static_assert(
        noexcept(std::declval<SignalPath&>().process(nullptr, nullptr, nullptr, nullptr, 0)));
    SignalPath path(48000.0);
    std::vector<float> left(1024, 0.25f), right(1024, -0.25f);

    AllocationCounter counter;
    for (const auto processing : SignalPath::processing_functions())
        for (const auto algorithm : {InterpolationAlgorithm_LINEAR, InterpolationAlgorithm_CUBIC})
            for (const unsigned int frames : {16u, 5u, 1u, 1000u}) {
                // The commits a parameter change runs on the audio thread.
                path.set_processing_function(processing);
                path.set_interpolation(algorithm);
                path.set_delay_transformation(SignalPath::transformation_kernels()[frames % 4]);
                path.set_depth_transformation(nullptr);
                for (unsigned int j = 0; j < SignalPath::voice_count; ++j) {
                    path.voice(j).set_enabled(true);
                    path.voice(j).set_input_panning_law(SignalPath::panning_law_kernels()[j % 4]);
                }
                path.update_effective_enabled();
                path.process(left.data(), right.data(), left.data(), right.data(), frames);
            }
    EXPECT_EQ(counter.stop(), 0);
}
