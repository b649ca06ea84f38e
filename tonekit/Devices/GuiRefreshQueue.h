#pragma once
// Tells the device GUI which parameters changed since its last refresh: two arrays of parameters,
// one filled by whoever changes a value while the GUI drains the other. The GUI flips the index
// under a short leaf lock and then owns the drained array alone.
//
// Writers come from any thread, the host's audio thread included, so recording never waits and
// never allocates: the lock is only tried, the arrays hold a slot for every registered parameter,
// and a change that cannot be recorded (the lock is busy) asks for a full refresh instead, which
// shows every parameter afresh. A parameter sits in each array at most once; its position there
// is kept in Parameter::m_gui_queue_positions.
//
// The drained array and the parameters in it are read by the GUI while it holds the device's
// parameter lock, which is also held wherever a parameter is registered, unregistered or deleted
// at run time; so the GUI never meets a parameter that a concurrent load or modulator removal
// deletes.

#include <atomic>
#include <cstddef>
#include <mutex>
#include <vector>

namespace Tonekit {

class Parameter;

class GuiRefreshQueue {
public:
    // [ui-thread, structural locks held or before the device is shared] Room for one more
    // parameter in both arrays.
    void reserve_one_more();
    // [ui-thread, structural locks held] A parameter that is going away leaves both arrays.
    void remove(Parameter* a_parameter);

    // [any-thread] Appends the parameter to the array being filled, once. Never waits.
    void push(Parameter* a_parameter) noexcept;

    // [ui-thread, parameter lock held] Flips the arrays and returns the one to drain.
    unsigned flip();
    // [ui-thread, parameter lock held, after flip] Hands every parameter of the drained array to
    // a_handler (null: none), resets its position there and empties the array.
    template <class Handler>
    void drain(unsigned a_index, Handler&& a_handler) {
        std::vector<Parameter*>& array = m_arrays[a_index];
        for (Parameter* parameter : array) {
            p_reset_position(parameter, a_index);
            a_handler(*parameter);
        }
        array.clear();
    }

    // [any-thread] Everything must be shown afresh (a preset was loaded, a change was lost).
    void request_full_refresh() noexcept { m_full_refresh.store(true, std::memory_order_release); }
    // [ui-thread] Whether a full refresh was asked for since the last call.
    bool take_full_refresh() noexcept {
        return m_full_refresh.exchange(false, std::memory_order_acq_rel);
    }

    // Changes are recorded only while a GUI exists to show them.
    void set_gui_attached(bool a_attached) noexcept;
    bool is_gui_attached() const noexcept { return m_gui_attached.load(std::memory_order_acquire); }

    // [any-thread] Holds the GUI's refreshes back while the state is replaced (a host chunk). The
    // last unfreeze makes the next refresh run at once, whatever its pace.
    void freeze() noexcept { m_freeze_count.fetch_add(1, std::memory_order_acq_rel); }
    void unfreeze() noexcept;
    bool is_frozen() const noexcept { return m_freeze_count.load(std::memory_order_acquire) > 0; }
    // [ui-thread] Whether an unfreeze asked for a refresh since the last call.
    bool take_refresh_due() noexcept { return m_refresh_due.exchange(false); }

    // For tests: how many slots each array has.
    std::size_t get_capacity() const noexcept { return m_capacity; }
    // [ui-thread, parameter lock held] The parameters waiting in an array.
    const std::vector<Parameter*>& get_array(unsigned a_index) const noexcept {
        return m_arrays[a_index];
    }
    // The lock writers try; a test holds it to play a GUI in the middle of a flip.
    std::mutex& get_lock() noexcept { return m_lock; }

private:
    static void p_reset_position(Parameter* a_parameter, unsigned a_index) noexcept;

    std::mutex m_lock;
    std::vector<Parameter*> m_arrays[2];
    std::size_t m_capacity = 0;
    unsigned m_current = 0;
    std::atomic<bool> m_full_refresh{false};
    std::atomic<bool> m_gui_attached{false};
    std::atomic<int> m_freeze_count{0};
    std::atomic<bool> m_refresh_due{false};
};

} // namespace Tonekit
