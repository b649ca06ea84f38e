#pragma once
// Decides when a desktop's pending widget work is carried out: at once after each request,
// unless the manager is suspended (input dispatch and native events suspend it and flush once at
// the end) or a flush is already running (the running flush picks the new work up).

namespace Vexa {

class UpdateManager {
public:
    using Flush = void (*)(void* a_context);

    UpdateManager(Flush a_flush, void* a_context) : m_flush(a_flush), m_context(a_context) {}
    UpdateManager(const UpdateManager&) = delete;
    UpdateManager& operator=(const UpdateManager&) = delete;

    // Flushes now unless suspended or running; otherwise notes that a flush is due.
    void request_flush();
    void suspend() noexcept { ++m_suspension_counter; }
    // The last resume carries out a flush that became due meanwhile.
    void resume();
    bool is_suspended() const noexcept { return m_suspension_counter > 0; }
    bool is_running() const noexcept { return m_running; }

    class Suspension {
    public:
        explicit Suspension(UpdateManager& a_manager) : m_manager(a_manager) {
            m_manager.suspend();
        }
        ~Suspension() { m_manager.resume(); }
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;

    private:
        UpdateManager& m_manager;
    };

private:
    Flush m_flush;
    void* m_context;
    int m_suspension_counter = 0;
    bool m_running = false;
    bool m_due = false;
};

} // namespace Vexa
