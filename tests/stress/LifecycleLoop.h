#pragma once
// Opens and closes many effects in a row, as a host does while the user browses plug-ins or
// reloads a project, and compares the process's resident memory after a warm-up with that at the
// end. Leaks that the leak checker of a sanitized build names exactly show up here as growth in
// a plain build.

#include <cstddef>

namespace Stress {

class StressHost;

class LifecycleLoop {
public:
    static constexpr std::size_t warm_up_instances = 50;
    // Allocators keep some memory for reuse; more than this after the warm-up is a leak.
    static constexpr long growth_limit_bytes = 5L * 1024 * 1024;

    LifecycleLoop(StressHost& a_host, std::size_t a_instances)
        : m_host(a_host), m_instances(a_instances) {}

    // Prints the figures; returns false when an effect could not be opened or memory grew by
    // more than the limit (the latter is only judged where no sanitizer holds freed memory back).
    bool run();

private:
    bool p_cycle();

    StressHost& m_host;
    std::size_t m_instances;
};

} // namespace Stress
