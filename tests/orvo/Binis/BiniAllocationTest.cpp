// Loading must never believe a count before the bytes behind it have arrived. This program
// replaces the global allocation functions to see the largest single request, so it is built as
// an executable of its own.

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/OperationFailedException.h"
#include "tests/orvo/Binis/BiniTestBytes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_watching{false};
std::atomic<std::size_t> g_largest{0};

void* p_allocate(std::size_t a_size) {
    if (g_watching.load(std::memory_order_relaxed)) {
        std::size_t largest = g_largest.load(std::memory_order_relaxed);
        while (a_size > largest && !g_largest.compare_exchange_weak(largest, a_size)) {
        }
    }
    if (void* block = std::malloc(a_size ? a_size : 1))
        return block;
    throw std::bad_alloc();
}

// The largest single allocation made while a_action runs.
template <class Action>
std::size_t largest_allocation(Action a_action) {
    g_largest = 0;
    g_watching = true;
    try {
        a_action();
    } catch (...) {
        g_watching = false;
        throw;
    }
    g_watching = false;
    return g_largest;
}

} // namespace

void* operator new(std::size_t a_size) {
    return p_allocate(a_size);
}
void* operator new[](std::size_t a_size) {
    return p_allocate(a_size);
}
void operator delete(void* a_block) noexcept {
    std::free(a_block);
}
void operator delete[](void* a_block) noexcept {
    std::free(a_block);
}
void operator delete(void* a_block, std::size_t) noexcept {
    std::free(a_block);
}
void operator delete[](void* a_block, std::size_t) noexcept {
    std::free(a_block);
}

using namespace Orvo;

TEST(BiniAllocation, HugeCountsAllocateNoMoreThanOnePiece) {
    constexpr std::size_t limit = 256 * 1024;
    for (std::uint8_t type : {3, 5, 7, 9, 11, 13, 14, 16, 18, 20, 22}) {
        const Bytes bytes = joined({bini_header, {type, 0xFF, 0xFF, 0xFF, 0xFF}, Bytes(40, 1)});
        const std::size_t largest = largest_allocation([&] {
            BiniNode node;
            EXPECT_THROW(load_bytes(node, bytes), OperationFailedException);
        });
        EXPECT_LT(largest, limit) << int(type);
    }
}

TEST(BiniAllocation, StorageGrowsWithTheBytesThatArrive) {
    // 4 MiB of a claimed 32 GiB.
    const Bytes bytes = joined({bini_header, {22, 0xFF, 0xFF, 0xFF, 0xFF}, Bytes(4 << 20, 7)});
    const std::size_t largest = largest_allocation([&] {
        BiniNode node;
        EXPECT_THROW(load_bytes(node, bytes), OperationFailedException);
    });
    EXPECT_LE(largest, std::size_t(8) << 20);
}

TEST(BiniAllocation, TheWatcherSeesLargeBlocks) {
    // Guards the test itself: a replacement that saw nothing would pass everything above.
    const std::size_t largest = largest_allocation([] {
        BiniNode node;
        const std::vector<std::uint8_t> values(1 << 20, 3);
        node.set_value_uint8_array(values.data(), std::uint32_t(values.size()));
    });
    EXPECT_GE(largest, std::size_t(1) << 20);
}
