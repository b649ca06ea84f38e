#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace Stress {

using Clock = std::chrono::steady_clock;

Watchdog::Watchdog(std::chrono::milliseconds a_time_limit, std::chrono::milliseconds a_stall_limit)
    : m_start(Clock::now()), m_time_limit(a_time_limit), m_stall_limit(a_stall_limit),
      m_thread([this] { p_run(); }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void Watchdog::watch(const char* a_name, const std::atomic<unsigned long>* a_progress) {
    std::lock_guard lock(m_mutex);
    m_watched.push_back({a_name, a_progress, a_progress->load(), Clock::now()});
}

void Watchdog::forget_counters() {
    std::lock_guard lock(m_mutex);
    m_watched.clear();
}

void Watchdog::set_phase(const char* a_phase) {
    std::lock_guard lock(m_mutex);
    m_phase = a_phase;
}

void Watchdog::p_run() {
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_done; })) {
        const auto now = Clock::now();
        const auto seconds = [](Clock::duration a_duration) {
            return std::chrono::duration<double>(a_duration).count();
        };
        if (now - m_start > m_time_limit)
            p_fail("the run took longer than its limit of " +
                   std::to_string(seconds(m_time_limit)) + " s");
        for (Watched& watched : m_watched) {
            const unsigned long progress = watched.m_progress->load(std::memory_order_relaxed);
            if (progress != watched.m_last) {
                watched.m_last = progress;
                watched.m_moved = now;
            } else if (now - watched.m_moved > m_stall_limit) {
                p_fail(std::string("the ") + watched.m_name + " thread made no progress for " +
                       std::to_string(seconds(now - watched.m_moved)) + " s after " +
                       std::to_string(progress) + " calls");
            }
        }
    }
}

void Watchdog::p_fail(const std::string& a_message) {
    std::fprintf(stderr, "stress: FAILED: deadlock or hang suspected in phase \"%s\": %s\n",
                 m_phase, a_message.c_str());
    std::fflush(stderr);
    std::fflush(stdout);
    // The stuck threads cannot be joined; leave without running any destructor.
    std::_Exit(3);
}

} // namespace Stress
