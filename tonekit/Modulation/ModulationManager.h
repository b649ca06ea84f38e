#pragma once

#include <mutex>

namespace Tonekit {

class Device;

// Runs the device's modulators per control block. Processing stage 1 runs before the device's own
// processing, stage 3 after the post-note modulators; restart handlers run on the first block
// after a reset.
class ModulationManager {
public:
    explicit ModulationManager(Device* a_device) : m_device(a_device) {}
    virtual ~ModulationManager() = default;

    // [audio-thread]
    virtual void process_stage_1(unsigned a_frames) noexcept;
    virtual void process_stage_3(unsigned a_frames) noexcept;
    virtual void run_restart_handlers() noexcept;
    // Fills the kernel tables that the modulators' processing uses.
    virtual void fill_kernel_tables() {}
    // Removes every modulator before the device goes away.
    virtual void shut_down() {}
    unsigned get_modulator_count() const noexcept { return m_modulator_count; }
    // Third of the device's structural locks (after processing and parameter locks).
    std::recursive_mutex& modulation_lock() noexcept { return m_modulation_lock; }

protected:
    Device* m_device;
    unsigned m_modulator_count = 0;
    std::recursive_mutex m_modulation_lock;
};

} // namespace Tonekit
