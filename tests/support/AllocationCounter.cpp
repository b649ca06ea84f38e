#include "tests/support/AllocationCounter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

// ThreadSanitizer's runtime defines the global allocation functions itself, and a program cannot
// replace them there: under it the counter stays at 0 and the allocation checks are left to the
// other builds.
#if defined(__SANITIZE_THREAD__)
#define TEST_SUPPORT_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TEST_SUPPORT_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef TEST_SUPPORT_COUNT_ALLOCATIONS
#define TEST_SUPPORT_COUNT_ALLOCATIONS 1
#endif

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
std::atomic<std::size_t> g_largest{0};
} // namespace

#if TEST_SUPPORT_COUNT_ALLOCATIONS
namespace {

void* allocate(std::size_t a_size, std::size_t a_alignment) {
    if (g_counting.load()) {
        ++g_allocations;
        std::size_t largest = g_largest.load();
        while (a_size > largest && !g_largest.compare_exchange_weak(largest, a_size)) {
        }
    }
    const std::size_t size = (a_size + a_alignment - 1) / a_alignment * a_alignment;
    if (void* memory = std::aligned_alloc(a_alignment, size == 0 ? a_alignment : size))
        return memory;
    throw std::bad_alloc();
}
} // namespace
#endif

namespace TestSupport {

AllocationCounter::AllocationCounter() {
    g_allocations = 0;
    g_largest = 0;
    g_counting = true;
}

AllocationCounter::~AllocationCounter() {
    g_counting = false;
}

long AllocationCounter::stop() {
    g_counting = false;
    return g_allocations.load();
}

std::size_t AllocationCounter::largest() const {
    return g_largest.load();
}

} // namespace TestSupport

#if TEST_SUPPORT_COUNT_ALLOCATIONS
void* operator new(std::size_t a_size) {
    return allocate(a_size, alignof(std::max_align_t));
}
void* operator new[](std::size_t a_size) {
    return allocate(a_size, alignof(std::max_align_t));
}
void* operator new(std::size_t a_size, std::align_val_t a_alignment) {
    return allocate(a_size, std::size_t(a_alignment));
}
void* operator new[](std::size_t a_size, std::align_val_t a_alignment) {
    return allocate(a_size, std::size_t(a_alignment));
}
void operator delete(void* a_memory) noexcept {
    std::free(a_memory);
}
void operator delete[](void* a_memory) noexcept {
    std::free(a_memory);
}
void operator delete(void* a_memory, std::size_t) noexcept {
    std::free(a_memory);
}
void operator delete[](void* a_memory, std::size_t) noexcept {
    std::free(a_memory);
}
void operator delete(void* a_memory, std::align_val_t) noexcept {
    std::free(a_memory);
}
void operator delete[](void* a_memory, std::align_val_t) noexcept {
    std::free(a_memory);
}
void operator delete(void* a_memory, std::size_t, std::align_val_t) noexcept {
    std::free(a_memory);
}
void operator delete[](void* a_memory, std::size_t, std::align_val_t) noexcept {
    std::free(a_memory);
}
#endif
