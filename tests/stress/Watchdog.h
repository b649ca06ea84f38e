#pragma once
// Ends a stress run that hangs. Threads report progress by bumping their counters; when one of
// them stands still for the stall limit, or the whole run outlasts its time limit, the watchdog
// prints what it saw and ends the process with a failure: a deadlock must fail the test, not
// stall the test run until some outer timeout kills it without a word.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Stress {

class Watchdog {
public:
    Watchdog(std::chrono::milliseconds a_time_limit, std::chrono::milliseconds a_stall_limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // A counter that a_name's thread bumps as it goes. Register before the threads start.
    void watch(const char* a_name, const std::atomic<unsigned long>* a_progress);
    // Stops watching the counters (their threads have ended); the time limit still holds.
    void forget_counters();
    // What the run is doing, for the message.
    void set_phase(const char* a_phase);

private:
    struct Watched {
        const char* m_name;
        const std::atomic<unsigned long>* m_progress;
        unsigned long m_last;
        std::chrono::steady_clock::time_point m_moved;
    };
    void p_run();
    [[noreturn]] void p_fail(const std::string& a_message);

    const std::chrono::steady_clock::time_point m_start;
    const std::chrono::milliseconds m_time_limit;
    const std::chrono::milliseconds m_stall_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::vector<Watched> m_watched;
    const char* m_phase = "starting";
    std::thread m_thread;
};

} // namespace Stress
