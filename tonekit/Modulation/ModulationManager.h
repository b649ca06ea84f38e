#pragma once

#include "orvo/Core/FourCc.h"

#include <cstdint>
#include <mutex>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class Device;

// Runs the device's modulators per control block. Processing stage 1 runs before the device's own
// processing, stage 3 after the post-note modulators; restart handlers run on the first block
// after a reset.
//
// Stored form (inside the node a preset or chunk gives it): "Modu" with one child per modulator
// (ids 1, 2, 3 ... in processing order) and "Assi" with one child per assigned slot. No modulator
// kinds exist yet, so every stored modulator is "Invalid modulator type." and no slot can be
// assigned; an empty modulation is both children, empty.
class ModulationManager {
public:
    static constexpr std::uint32_t child_modulators = Orvo::four_cc("Modu");
    static constexpr std::uint32_t child_assignments = Orvo::four_cc("Assi");
    static constexpr std::uint32_t child_type = Orvo::four_cc("Type");
    static constexpr std::uint32_t child_slot_index = Orvo::four_cc("SlIn");
    static constexpr std::uint32_t child_modulator_index = Orvo::four_cc("MoIn");

    explicit ModulationManager(Device* a_device) : m_device(a_device) {}
    virtual ~ModulationManager() = default;

    // [audio-thread]
    virtual void process_stage_1(unsigned a_frames) noexcept;
    virtual void process_stage_3(unsigned a_frames) noexcept;
    virtual void run_restart_handlers() noexcept;
    // A note-on matched the retrigger key definitions whose bits are set in a_matched (bit k for
    // definition k): every retriggerable modulator listening to "Any" or to one of them restarts.
    virtual void retrigger_notes(unsigned a_matched) noexcept { (void)a_matched; }
    // Fills the kernel tables that the modulators' processing uses.
    virtual void fill_kernel_tables() {}
    // [ui-thread, structural locks held] The device's modulation exponential precision changed:
    // re-select the exponential functions the modulators use. Nothing to re-select without them.
    virtual void update_exponential_precision() {}
    // Removes every modulator before the device goes away.
    virtual void shut_down() {}
    unsigned get_modulator_count() const noexcept { return m_modulator_count; }
    // Third of the device's structural locks (after processing and parameter locks).
    std::recursive_mutex& modulation_lock() noexcept { return m_modulation_lock; }

    // [ui-thread] The caller holds the device's structural locks for all three.
    // Removes every modulator and slot assignment.
    virtual void clear();
    virtual void save(Orvo::BiniNode& a_node) const;
    // Into a cleared manager. Untrusted data: anything that cannot be built throws, leaving
    // what was built so far for the caller to clear. A node without children is an empty
    // modulation.
    virtual void load(Orvo::BiniNode& a_node);

    // While suspended, structural changes only collect what the routing must redo; the last
    // resume rebuilds it once. Suspensions nest.
    void suspend_updates() noexcept { ++m_update_suspensions; }
    void resume_updates();
    bool are_updates_suspended() const noexcept { return m_update_suspensions > 0; }

protected:
    Device* m_device;
    unsigned m_modulator_count = 0;
    unsigned m_update_suspensions = 0;
    std::recursive_mutex m_modulation_lock;
};

} // namespace Tonekit
