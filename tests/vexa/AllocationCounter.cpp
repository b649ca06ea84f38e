#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t a_size) {
    ++g_allocations;
    if (void* memory = std::malloc(a_size ? a_size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* a_memory) noexcept {
    std::free(a_memory);
}

void operator delete(void* a_memory, std::size_t) noexcept {
    std::free(a_memory);
}

namespace VexaTest {

long allocation_count() noexcept {
    return g_allocations.load();
}

} // namespace VexaTest
