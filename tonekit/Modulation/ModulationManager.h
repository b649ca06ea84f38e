#pragma once
// The device's modulators, in processing order, with the routing from their entries to their
// targets, the processing per control block and the stored form.
//
// Structure (modulators, entries, targets) changes on the user-interface thread under the
// device's structural locks (processing, parameter, modulation; in that order), so the audio
// thread never runs while it changes. Every change widens a dirty range of modulator indices and
// asks for a rebuild of the routing; the rebuild is skipped while updates are suspended (moves and
// loads nest suspensions) and runs once when the last suspension ends. Until the routing is up to
// date again the audio thread runs no modulator.
//
// Processing [audio-thread]: the device calls process_stage_1 and process_stage_3 for every chunk
// of at most 16 frames, after the smoothers advanced. Each active modulator of the stage runs its
// start routine on the first chunk after a restart, its continue routine otherwise. A restart is
// asked for by request_restart (any thread) and honoured when the device's next block begins.
//
// Stored form (Modu in a preset or chunk): "Modu" with one child per modulator (ids 1, 2, 3 ...
// in processing order) and "Assi" with one child per assigned slot; see ModulationSaver.

#include "orvo/Core/FourCc.h"
#include "orvo/Signals/Signal1.h"
#include "tonekit/Modulation/ModulationEvents.h"
#include "tonekit/Modulation/ProcessingStage.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class Device;
class FloatParameter;
class ModulationRoute;
class Modulator;
class ModulatorEntry;
class Parameter;
class ParameterCollection;
class ParameterOwner;

class ModulationManager {
public:
    static constexpr std::uint32_t child_modulators = Orvo::four_cc("Modu");
    static constexpr std::uint32_t child_assignments = Orvo::four_cc("Assi");

    explicit ModulationManager(Device* a_device);
    ModulationManager(const ModulationManager&) = delete;
    ModulationManager& operator=(const ModulationManager&) = delete;
    virtual ~ModulationManager();

    // --- processing [audio-thread] ---------------------------------------------------------------
    virtual void process_stage_1(unsigned a_frames) noexcept;
    virtual void process_stage_3(unsigned a_frames) noexcept;
    // In-note modulators: only a device with notes runs them.
    void process_stage_2(unsigned a_frames) noexcept;
    // Routine list 1 for every modulator of stages 1 and 3; their next chunks start afresh.
    virtual void run_restart_handlers() noexcept;
    // [any-thread] Lock-free; the device's next block honours it.
    void request_restart() noexcept { m_restart_requested.store(true, std::memory_order_release); }
    // [audio-thread] At the start of a block: runs the restart handlers when one was requested.
    void honour_restart_request() noexcept;
    // A note-on matched the retrigger key definitions whose bits are set in a_matched (bit k for
    // definition k): routine list 9 of every modulator listening to "any" or to one of them.
    virtual void retrigger_notes(unsigned a_matched) noexcept;

    // --- configuration [ui-thread] ---------------------------------------------------------------
    // Once the device has its parameters: targets can be resolved from here on.
    virtual void fill_kernel_tables();
    // [structural locks held] The device's modulation exponential precision changed.
    virtual void update_exponential_precision();
    // Removes every modulator before the device goes away.
    virtual void shut_down();
    // Third of the device's structural locks (after processing and parameter locks).
    std::recursive_mutex& modulation_lock() noexcept { return m_modulation_lock; }

    // --- structure [ui-thread]; each takes the structural locks itself -------------------------
    // Throws TooManyModulators before creating anything when the device's limit is reached, and
    // "Invalid modulator type." for a code no kind has. a_position counts within the stage and
    // is cut to its size.
    Modulator* add_modulator(unsigned a_type_code, ProcessingStage a_stage, unsigned a_position);
    // A default modulator of a_model's kind.
    Modulator* add_same_kind(const Modulator& a_model, ProcessingStage a_stage,
                             unsigned a_position);
    // Entries of earlier modulators aimed at its parameters go too, and so do its slots.
    void remove_modulator(Modulator* a_modulator);
    // To another stage or position; entries that break the order rule afterwards are removed.
    void move_modulator(Modulator* a_modulator, ProcessingStage a_stage, unsigned a_position);
    // Appends an entry; throws TooManyEntries at the device's limit.
    ModulatorEntry* add_entry(Modulator* a_modulator);
    void remove_entry(ModulatorEntry* a_entry);
    void move_entry(ModulatorEntry* a_entry, unsigned a_position);
    // The entry's "Modulatee" parameter chose another target (its set_value calls this).
    void target_changed(ModulatorEntry* a_entry);
    // Removes every modulator and slot assignment.
    virtual void clear();

    // [audio-thread in the commit pass, or structural locks held] An entry changed how it places
    // its signal: the bounds of its target's chain and the finishing kernel follow.
    void entry_configuration_changed(ModulatorEntry* a_entry) noexcept;

    // --- persistence [ui-thread, structural locks held] -----------------------------------------
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
    bool is_up_to_date() const noexcept { return m_up_to_date; }
    // True while the destructor deletes the modulators: the device is going away with it, so a
    // modulator must not reach back into it.
    bool is_being_destroyed() const noexcept { return m_destroying; }

    // --- queries ---------------------------------------------------------------------------------
    unsigned get_modulator_count() const noexcept { return unsigned(m_order.size()); }
    Modulator* get_modulator(unsigned a_global_index) const { return m_order.at(a_global_index); }
    const std::vector<Modulator*>& get_stage(ProcessingStage a_stage) const {
        return m_stage_order[a_stage];
    }
    const std::vector<Modulator*>& get_active(ProcessingStage a_stage) const {
        return m_active[a_stage];
    }
    // Null when no entry routes to the parameter.
    const ModulationRoute* find_route(const FloatParameter* a_target) const;
    Device* get_device() const noexcept { return m_device; }
    // Whether an entry of a_modulator may aim at a_target (the order rule).
    bool is_valid_target(const Modulator& a_modulator, Parameter& a_target) const;
    // The modulator that owns a parameter of a modulator or entry; null for the device's own.
    static Modulator* owning_modulator(const Parameter& a_parameter);

    Orvo::Signal1<ModulationEvents::OnCleared&> OnCleared;
    Orvo::Signal1<ModulationEvents::EntryEvent&> OnEntryAdded;
    Orvo::Signal1<ModulationEvents::OnEntryMoved&> OnEntryMoved;
    // An entry's target changed.
    Orvo::Signal1<ModulationEvents::EntryEvent&> OnEntryTargetChanged;
    Orvo::Signal1<ModulationEvents::EntryEvent&> OnEntryRemoving;
    Orvo::Signal1<ModulationEvents::OnLoaded&> OnLoaded;
    // For every modulator whose global index changed.
    Orvo::Signal1<ModulationEvents::ModulatorEvent&> OnModulatorIndexChanged;
    Orvo::Signal1<ModulationEvents::ModulatorEvent&> OnModulatorStageChanged;
    Orvo::Signal1<ModulationEvents::ModulatorEvent&> OnModulatorAdded;
    Orvo::Signal1<ModulationEvents::OnModulatorMoved&> OnModulatorMoved;
    // Its entries were added, removed or reordered.
    Orvo::Signal1<ModulationEvents::ModulatorEvent&> OnModulatorEntriesChanged;
    Orvo::Signal1<ModulationEvents::ModulatorEvent&> OnModulatorRemoving;
    // Its lanes were rewired by the routing.
    Orvo::Signal1<ModulationEvents::ModulatorEvent&> OnModulatorRewired;

private:
    // [audio-thread] One chunk of the active modulators of a_stage.
    void p_process_stage(ProcessingStage a_stage, unsigned a_frames) noexcept;
    friend class ModulationSaver;

    Modulator* p_insert(Modulator* a_modulator, ProcessingStage a_stage, unsigned a_position);
    void p_renumber();
    void p_mark_dirty(unsigned a_first, unsigned a_last);
    void p_mark_all_dirty();
    void p_update();
    void p_rebuild();
    // Entries (of any modulator) whose chosen target a_owner owns, or an entry of a_owner owns.
    void p_remove_entries_aimed_at(const ParameterOwner* a_owner, const Modulator* a_modulator);
    void p_remove_entry(ModulatorEntry* a_entry);
    // The parameters of a collection leave the device, the slots and the routing.
    void p_release(ParameterCollection& a_parameters, const ParameterOwner* a_owner);
    void p_check_validity(unsigned a_first, unsigned a_last);
    void p_delete_all();

    Device* m_device;
    // Owned; deleted by remove_modulator, clear and the destructor.
    std::vector<Modulator*> m_stage_order[ProcessingStage_ENUM_SIZE];
    std::vector<Modulator*> m_order;
    std::vector<Modulator*> m_active[ProcessingStage_ENUM_SIZE];
    std::map<FloatParameter*, std::unique_ptr<ModulationRoute>> m_routes;
    unsigned m_dirty_first = 0;
    unsigned m_dirty_last = 0;
    bool m_up_to_date = true;
    unsigned m_update_suspensions = 0;
    std::atomic<bool> m_restart_requested{false};
    bool m_start_pending[ProcessingStage_ENUM_SIZE] = {};
    std::uint64_t m_next_serial = 1;
    std::recursive_mutex m_modulation_lock;
    bool m_destroying = false;
};

} // namespace Tonekit
