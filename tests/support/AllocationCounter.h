#pragma once
// Watches every global allocation function of the test program while a counter is alive: how many
// calls, and the largest single request. The replacements live in their own file so that no
// caller sees them inlined.

#include <cstddef>

namespace TestSupport {

class AllocationCounter {
public:
    // Starts watching from nothing.
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    // Stops watching; the number of allocations seen.
    long stop();
    // The size of the largest request seen so far.
    std::size_t largest() const;
};

} // namespace TestSupport
