#pragma once
// The test program replaces the global operator new to count allocations, so that a test can
// show that a pass allocates nothing. Its own unit, so the compiler never sees the pair inlined.

namespace VexaTest {

long allocation_count() noexcept;

} // namespace VexaTest
