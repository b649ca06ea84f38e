// The audio path must not allocate: every global allocation function of this test program counts
// its calls while a test has counting switched on.

#include "chorus/SignalPath.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};

void* allocate(std::size_t a_size, std::size_t a_alignment) {
    if (g_counting.load())
        ++g_allocations;
    const std::size_t size = (a_size + a_alignment - 1) / a_alignment * a_alignment;
    if (void* memory = std::aligned_alloc(a_alignment, size == 0 ? a_alignment : size))
        return memory;
    throw std::bad_alloc();
}
} // namespace

// The array forms of the standard library forward to these.
void* operator new(std::size_t a_size) {
    return allocate(a_size, alignof(std::max_align_t));
}
void* operator new(std::size_t a_size, std::align_val_t a_alignment) {
    return allocate(a_size, std::size_t(a_alignment));
}
void operator delete(void* a_memory) noexcept {
    std::free(a_memory);
}
void operator delete(void* a_memory, std::align_val_t) noexcept {
    std::free(a_memory);
}
void operator delete(void* a_memory, std::size_t) noexcept {
    std::free(a_memory);
}
void operator delete(void* a_memory, std::size_t, std::align_val_t) noexcept {
    std::free(a_memory);
}

using namespace tolvanchorus;

namespace {
struct CountAllocations {
    CountAllocations() {
        g_allocations = 0;
        g_counting = true;
    }
    ~CountAllocations() { g_counting = false; }
    long count() const { return g_allocations.load(); }
};
} // namespace

TEST(RealTime, TheCounterSeesAllocations) {
    CountAllocations counter;
    delete new int(1);
    auto aligned = std::make_unique<Block>();
    EXPECT_EQ(counter.count(), 2);
}

TEST(RealTime, ProcessingAndCommitsDoNotAllocate) {
    static_assert(
        noexcept(std::declval<SignalPath&>().process(nullptr, nullptr, nullptr, nullptr, 0)));
    SignalPath path(48000.0);
    std::vector<float> left(1024, 0.25f), right(1024, -0.25f);

    CountAllocations counter;
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
    EXPECT_EQ(counter.count(), 0);
}
