#pragma once
// Counts the calls of every global allocation function of the test program while counting is on.
// The replacements live in their own file so that no caller sees them inlined.

namespace TonekitTest {

class AllocationCounter {
public:
    // Starts counting from 0.
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    long stop();
};

} // namespace TonekitTest
