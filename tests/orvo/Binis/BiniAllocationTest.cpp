// Loading must never believe a count before the bytes behind it have arrived. The allocation
// counter replaces the global allocation functions, so this is a test program of its own.

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/OperationFailedException.h"
#include "tests/orvo/Binis/BiniTestBytes.h"
#include "tests/support/AllocationCounter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The largest single allocation made while a_action runs.
template <class Action>
std::size_t largest_allocation(Action a_action) {
    TestSupport::AllocationCounter counter;
    a_action();
    counter.stop();
    return counter.largest();
}

} // namespace

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
