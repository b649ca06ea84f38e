#include "tonekit/Modulation/ModulationManager.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Exception.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Modulation/ModulationExceptions.h"
#include "tonekit/Modulation/ModulationRoute.h"
#include "tonekit/Modulation/ModulationSaver.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/ModulatorTypes.h"
#include "tonekit/ParameterTypes/FloatParameter.h"

#include <algorithm>

namespace Tonekit {
namespace {

bool p_is_stage(ProcessingStage a_stage) {
    return a_stage >= ProcessingStage_PRE_NOTE && a_stage <= ProcessingStage_POST_NOTE;
}

// The float parameter an entry's chosen target stands for, when it can carry modulation.
FloatParameter* p_resolve(const ModulatorEntry& a_entry) {
    Modulatee* target = a_entry.get_chosen_target();
    if (!target || !target->m_accepts_modulation)
        return nullptr;
    return dynamic_cast<FloatParameter*>(target->get_parameter());
}

} // namespace

ModulationManager::ModulationManager(Device* a_device) : m_device(a_device) {}

// The device is going away: its lists may be gone already, so nothing is unregistered.
ModulationManager::~ModulationManager() {
    m_destroying = true;
    m_routes.clear();
    for (Modulator* modulator : m_order)
        delete modulator;
}

// --- processing
// ------------------------------------------------------------------------------------

void ModulationManager::p_process_stage(ProcessingStage a_stage, unsigned a_frames) noexcept {
    if (!m_up_to_date || a_frames == 0)
        return;
    const unsigned frames = std::min(a_frames, unsigned(ModulationKernels::block_size));
    const bool start = std::exchange(m_start_pending[a_stage], false);
    for (Modulator* modulator : m_active[a_stage])
        modulator->process(frames, start);
}

void ModulationManager::process_stage_1(unsigned a_frames) noexcept {
    p_process_stage(ProcessingStage_PRE_NOTE, a_frames);
}

void ModulationManager::process_stage_2(unsigned a_frames) noexcept {
    p_process_stage(ProcessingStage_IN_NOTE, a_frames);
}

void ModulationManager::process_stage_3(unsigned a_frames) noexcept {
    p_process_stage(ProcessingStage_POST_NOTE, a_frames);
}

void ModulationManager::run_restart_handlers() noexcept {
    for (ProcessingStage stage : {ProcessingStage_PRE_NOTE, ProcessingStage_POST_NOTE}) {
        for (Modulator* modulator : m_stage_order[stage])
            modulator->restart();
        m_start_pending[stage] = true;
    }
}

void ModulationManager::honour_restart_request() noexcept {
    if (m_restart_requested.exchange(false, std::memory_order_acq_rel))
        run_restart_handlers();
}

void ModulationManager::retrigger_notes(unsigned a_matched) noexcept {
    for (Modulator* modulator : m_order) {
        const int key = modulator->get_retrigger_key();
        const bool matched =
            key == Modulator::retrigger_key_any ||
            (key >= 0 && key < int(sizeof(unsigned) * 8) && ((a_matched >> unsigned(key)) & 1u));
        if (matched)
            modulator->retrigger();
    }
}

// --- configuration
// ---------------------------------------------------------------------------------

// The kernels are chosen per entry and per target when the routing is built; nothing to fill.
void ModulationManager::fill_kernel_tables() {}

void ModulationManager::update_exponential_precision() {
    if (!m_up_to_date)
        return;
    for (auto& [target, route] : m_routes)
        route->refresh_finishing(*m_device);
}

void ModulationManager::entry_configuration_changed(ModulatorEntry* a_entry) noexcept {
    // A stale routing may still list deleted entries; the rebuild refreshes every route anyway.
    if (!m_up_to_date || !a_entry->m_target)
        return;
    const auto route = m_routes.find(a_entry->m_target);
    if (route != m_routes.end())
        route->second->refresh_finishing(*m_device);
}

void ModulationManager::shut_down() {
    clear();
}

// --- structure
// -------------------------------------------------------------------------------------

Modulator* ModulationManager::add_modulator(unsigned a_type_code, ProcessingStage a_stage,
                                            unsigned a_position) {
    auto locks = m_device->lock_structure();
    if (m_order.size() >= unsigned(m_device->get_static_config().m_modulator_limit))
        throw ModulationExceptions::TooManyModulators();
    const ModulatorType* type = find_modulator_type(a_type_code);
    if (!type)
        throw Orvo::Exception(u"Invalid modulator type.");
    return p_insert(type->m_create(m_device), a_stage, a_position);
}

Modulator* ModulationManager::add_same_kind(const Modulator& a_model, ProcessingStage a_stage,
                                            unsigned a_position) {
    auto locks = m_device->lock_structure();
    if (m_order.size() >= unsigned(m_device->get_static_config().m_modulator_limit))
        throw ModulationExceptions::TooManyModulators();
    return p_insert(a_model.create_same_kind(), a_stage, a_position);
}

Modulator* ModulationManager::p_insert(Modulator* a_modulator, ProcessingStage a_stage,
                                       unsigned a_position) {
    std::unique_ptr<Modulator> owned(a_modulator);
    ORVO_ASSERT(p_is_stage(a_stage));
    owned->m_manager = this;
    owned->set_stage(a_stage);
    owned->initialize();
    std::vector<Modulator*>& stage = m_stage_order[a_stage];
    const auto position = std::min<std::size_t>(a_position, stage.size());
    stage.insert(stage.begin() + std::ptrdiff_t(position), owned.get());
    Modulator* added = owned.release();
    p_renumber();
    const unsigned index = added->m_global_index;
    if (!m_up_to_date) {
        if (m_dirty_first >= index)
            ++m_dirty_first;
        if (m_dirty_last >= index)
            ++m_dirty_last;
    }
    p_mark_dirty(index, index);
    p_update();
    request_restart();
    ModulationEvents::ModulatorEvent event{added};
    OnModulatorAdded.emit(event);
    return added;
}

void ModulationManager::p_renumber() {
    std::vector<Modulator*> changed;
    m_order.clear();
    for (unsigned stage = ProcessingStage_PRE_NOTE; stage <= ProcessingStage_POST_NOTE; ++stage) {
        unsigned position = 0;
        for (Modulator* modulator : m_stage_order[stage]) {
            modulator->m_stage_index = position++;
            const auto index = unsigned(m_order.size());
            if (modulator->m_global_index != index) {
                modulator->m_global_index = index;
                changed.push_back(modulator);
            }
            m_order.push_back(modulator);
        }
    }
    for (Modulator* modulator : changed) {
        ModulationEvents::ModulatorEvent event{modulator};
        OnModulatorIndexChanged.emit(event);
    }
}

void ModulationManager::p_mark_dirty(unsigned a_first, unsigned a_last) {
    if (m_up_to_date) {
        m_dirty_first = a_first;
        m_dirty_last = a_last;
    } else {
        m_dirty_first = std::min(m_dirty_first, a_first);
        m_dirty_last = std::max(m_dirty_last, a_last);
    }
    m_up_to_date = false;
}

void ModulationManager::p_mark_all_dirty() {
    p_mark_dirty(0, m_order.empty() ? 0 : unsigned(m_order.size()) - 1);
}

void ModulationManager::remove_modulator(Modulator* a_modulator) {
    auto locks = m_device->lock_structure();
    ORVO_ASSERT(a_modulator && a_modulator->m_manager == this);
    ModulationEvents::ModulatorEvent event{a_modulator};
    OnModulatorRemoving.emit(event);
    suspend_updates();
    p_remove_entries_aimed_at(a_modulator, a_modulator);
    std::vector<Modulator*>& stage = m_stage_order[a_modulator->m_stage];
    stage.erase(std::find(stage.begin(), stage.end(), a_modulator));
    for (const auto& entry : a_modulator->m_entries)
        p_release(entry->get_parameters(), entry.get());
    p_release(a_modulator->get_parameters(), a_modulator);
    delete a_modulator;
    p_renumber();
    p_mark_all_dirty();
    request_restart();
    resume_updates();
}

void ModulationManager::move_modulator(Modulator* a_modulator, ProcessingStage a_stage,
                                       unsigned a_position) {
    auto locks = m_device->lock_structure();
    ORVO_ASSERT(a_modulator && a_modulator->m_manager == this);
    ORVO_ASSERT(p_is_stage(a_stage));
    suspend_updates();
    const unsigned from = a_modulator->m_global_index;
    std::vector<Modulator*>& old_stage = m_stage_order[a_modulator->m_stage];
    old_stage.erase(std::find(old_stage.begin(), old_stage.end(), a_modulator));
    std::vector<Modulator*>& new_stage = m_stage_order[a_stage];
    const auto position = std::min<std::size_t>(a_position, new_stage.size());
    new_stage.insert(new_stage.begin() + std::ptrdiff_t(position), a_modulator);
    if (a_modulator->m_stage != a_stage) {
        a_modulator->set_stage(a_stage);
        ModulationEvents::ModulatorEvent event{a_modulator};
        OnModulatorStageChanged.emit(event);
    }
    p_renumber();
    const unsigned to = a_modulator->m_global_index;
    const unsigned first = std::min(from, to);
    const unsigned last = std::max(from, to);
    p_check_validity(first, last);
    p_mark_dirty(first, last);
    request_restart();
    ModulationEvents::OnModulatorMoved moved{a_modulator, from, to};
    OnModulatorMoved.emit(moved);
    resume_updates();
}

ModulatorEntry* ModulationManager::add_entry(Modulator* a_modulator) {
    auto locks = m_device->lock_structure();
    ORVO_ASSERT(a_modulator && a_modulator->m_manager == this);
    if (a_modulator->get_entry_count() >= unsigned(m_device->get_static_config().m_entry_limit))
        throw ModulationExceptions::TooManyEntries();
    std::unique_ptr<ModulatorEntry> entry(a_modulator->create_entry());
    entry->m_serial = m_next_serial++;
    entry->m_index = a_modulator->get_entry_count();
    entry->set_lane_count(a_modulator->get_lane_count());
    entry->initialize();
    ModulatorEntry* added = entry.get();
    a_modulator->m_entries.push_back(std::move(entry));
    p_mark_dirty(a_modulator->m_global_index, a_modulator->m_global_index);
    p_update();
    request_restart();
    ModulationEvents::EntryEvent event{added};
    OnEntryAdded.emit(event);
    ModulationEvents::ModulatorEvent changed{a_modulator};
    OnModulatorEntriesChanged.emit(changed);
    return added;
}

void ModulationManager::remove_entry(ModulatorEntry* a_entry) {
    auto locks = m_device->lock_structure();
    ORVO_ASSERT(a_entry && a_entry->m_modulator->m_manager == this);
    Modulator* modulator = a_entry->m_modulator;
    suspend_updates();
    p_remove_entry(a_entry);
    request_restart();
    resume_updates();
    ModulationEvents::ModulatorEvent changed{modulator};
    OnModulatorEntriesChanged.emit(changed);
}

void ModulationManager::p_remove_entry(ModulatorEntry* a_entry) {
    ModulationEvents::EntryEvent event{a_entry};
    OnEntryRemoving.emit(event);
    Modulator* modulator = a_entry->m_modulator;
    p_remove_entries_aimed_at(a_entry, nullptr);
    p_release(a_entry->get_parameters(), a_entry);
    auto& active = modulator->m_active_entries;
    active.erase(std::remove(active.begin(), active.end(), a_entry), active.end());
    auto& entries = modulator->m_entries;
    entries.erase(std::find_if(entries.begin(), entries.end(),
                               [&](const auto& a_owned) { return a_owned.get() == a_entry; }));
    for (unsigned index = 0; index < entries.size(); ++index)
        entries[index]->m_index = index;
    p_mark_dirty(modulator->m_global_index, modulator->m_global_index);
}

void ModulationManager::move_entry(ModulatorEntry* a_entry, unsigned a_position) {
    auto locks = m_device->lock_structure();
    ORVO_ASSERT(a_entry && a_entry->m_modulator->m_manager == this);
    Modulator* modulator = a_entry->m_modulator;
    auto& entries = modulator->m_entries;
    const unsigned from = a_entry->m_index;
    const unsigned to = std::min<unsigned>(a_position, unsigned(entries.size()) - 1);
    if (from == to)
        return;
    std::unique_ptr<ModulatorEntry> moving = std::move(entries[from]);
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(moving));
    for (unsigned index = 0; index < entries.size(); ++index)
        entries[index]->m_index = index;
    p_mark_dirty(modulator->m_global_index, modulator->m_global_index);
    p_update();
    request_restart();
    ModulationEvents::OnEntryMoved event{modulator, from, to};
    OnEntryMoved.emit(event);
}

void ModulationManager::target_changed(ModulatorEntry* a_entry) {
    auto locks = m_device->lock_structure();
    p_mark_all_dirty();
    p_update();
    request_restart();
    ModulationEvents::EntryEvent event{a_entry};
    OnEntryTargetChanged.emit(event);
}

Modulator* ModulationManager::owning_modulator(const Parameter& a_parameter) {
    const ParameterOwner* owner = a_parameter.get_owner();
    if (!owner)
        return nullptr;
    if (owner->m_owner_kind == ParameterOwner::Kind_MODULATOR)
        return const_cast<Modulator*>(static_cast<const Modulator*>(owner));
    if (owner->m_owner_kind == ParameterOwner::Kind_MODULATOR_ENTRY)
        return static_cast<const ModulatorEntry*>(owner)->m_modulator;
    return nullptr;
}

bool ModulationManager::is_valid_target(const Modulator& a_modulator, Parameter& a_target) const {
    const Modulator* owner = owning_modulator(a_target);
    if (!owner)
        return true;
    if (owner->m_global_index <= a_modulator.m_global_index)
        return false;
    return a_modulator.m_stage != ProcessingStage_IN_NOTE ||
           owner->m_stage == ProcessingStage_IN_NOTE;
}

void ModulationManager::p_remove_entries_aimed_at(const ParameterOwner* a_owner,
                                                  const Modulator* a_modulator) {
    // One at a time: removing an entry also removes the entries aimed at its own parameters.
    const auto aimed = [&](const ModulatorEntry& a_entry) {
        const Modulatee* target = a_entry.get_chosen_target();
        const Parameter* parameter =
            target ? const_cast<Modulatee*>(target)->get_parameter() : nullptr;
        if (!parameter)
            return false;
        if (parameter->get_owner() == a_owner)
            return true;
        return a_modulator && owning_modulator(*parameter) == a_modulator;
    };
    for (;;) {
        ModulatorEntry* found = nullptr;
        for (Modulator* modulator : m_order) {
            for (const auto& entry : modulator->m_entries)
                if (entry.get() != a_owner && aimed(*entry)) {
                    found = entry.get();
                    break;
                }
            if (found)
                break;
        }
        if (!found)
            return;
        p_remove_entry(found);
    }
}

void ModulationManager::p_release(ParameterCollection& a_parameters,
                                  const ParameterOwner* a_owner) {
    m_device->get_program()->detach_all(a_owner);
    for (Parameter* parameter : a_parameters.get_parameters()) {
        m_device->unregister_parameter(parameter);
        if (auto* target = dynamic_cast<FloatParameter*>(parameter))
            m_routes.erase(target);
    }
    m_up_to_date = false;
}

void ModulationManager::p_check_validity(unsigned a_first, unsigned a_last) {
    for (unsigned index = a_first; index <= a_last && index < m_order.size(); ++index) {
        Modulator* modulator = m_order[index];
        for (;;) {
            ModulatorEntry* invalid = nullptr;
            for (const auto& entry : modulator->m_entries) {
                Modulatee* target = entry->get_chosen_target();
                Parameter* parameter = target ? target->get_parameter() : nullptr;
                if (parameter && !is_valid_target(*modulator, *parameter)) {
                    invalid = entry.get();
                    break;
                }
            }
            if (!invalid)
                break;
            p_remove_entry(invalid);
        }
    }
}

void ModulationManager::p_delete_all() {
    for (auto modulator = m_order.rbegin(); modulator != m_order.rend(); ++modulator) {
        for (const auto& entry : (*modulator)->m_entries)
            p_release(entry->get_parameters(), entry.get());
        p_release((*modulator)->get_parameters(), *modulator);
    }
    for (Modulator* modulator : m_order)
        delete modulator;
    m_order.clear();
    for (auto& stage : m_stage_order)
        stage.clear();
    for (auto& active : m_active)
        active.clear();
}

void ModulationManager::clear() {
    auto locks = m_device->lock_structure();
    p_delete_all();
    for (unsigned slot = 0;
         m_device->get_program() && slot < m_device->get_program()->get_slot_count(); ++slot)
        m_device->get_program()->assign(slot, nullptr);
    p_mark_all_dirty();
    p_update();
    request_restart();
    ModulationEvents::OnCleared event;
    OnCleared.emit(event);
}

// --- routing
// ---------------------------------------------------------------------------------------

void ModulationManager::resume_updates() {
    ORVO_ASSERT(m_update_suspensions > 0);
    if (--m_update_suspensions == 0)
        p_update();
}

void ModulationManager::p_update() {
    if (m_update_suspensions > 0 || m_up_to_date)
        return;
    p_rebuild();
}

const ModulationRoute* ModulationManager::find_route(const FloatParameter* a_target) const {
    const auto route = m_routes.find(const_cast<FloatParameter*>(a_target));
    return route == m_routes.end() ? nullptr : route->second.get();
}

void ModulationManager::p_rebuild() {
    auto locks = m_device->lock_structure();
    // The modulators in the dirty range take their targets from their entries again.
    for (unsigned index = m_dirty_first; index <= m_dirty_last && index < m_order.size(); ++index) {
        Modulator* modulator = m_order[index];
        modulator->m_active_entries.clear();
        for (const auto& entry : modulator->m_entries) {
            entry->m_target = p_resolve(*entry);
            if (entry->m_lanes.size() != modulator->get_lane_count())
                entry->set_lane_count(modulator->get_lane_count());
            if (entry->m_target)
                modulator->m_active_entries.push_back(entry.get());
        }
        modulator->entries_changed();
        ModulationEvents::ModulatorEvent event{modulator};
        OnModulatorRewired.emit(event);
    }

    // Chains in processing order: global modulator index, then entry index.
    std::map<FloatParameter*, std::unique_ptr<ModulationRoute>> routes;
    for (Modulator* modulator : m_order) {
        for (ModulatorEntry* entry : modulator->m_active_entries) {
            std::unique_ptr<ModulationRoute>& route = routes[entry->m_target];
            if (!route)
                route = std::make_unique<ModulationRoute>(entry->m_target);
            if (modulator->m_stage == ProcessingStage_IN_NOTE)
                route->m_voice_entries.push_back(entry);
            else
                route->m_entries.push_back(entry);
            route->m_serials.push_back(entry->m_serial);
        }
        for (const auto& entry : modulator->m_entries)
            entry->m_route_end = nullptr;
    }
    for (auto& [target, route] : routes) {
        // The first entry reads the target's own (smoothed) normalized value, every later one
        // what its predecessor wrote; all write the target's result area in place.
        const float* input = target->m_normalized_lanes;
        float* result = route->get_result();
        for (ModulatorEntry* entry : route->m_entries) {
            entry->m_lanes[0] = {input, result};
            input = result;
        }
        if (!route->m_entries.empty())
            route->m_entries.back()->m_route_end = route.get();
        if (!route->m_voice_entries.empty()) {
            route->m_voice_results = std::make_unique<ModulationRoute::VoiceResults>();
            bool first = true;
            for (ModulatorEntry* entry : route->m_voice_entries) {
                for (unsigned lane = 0; lane < entry->m_lanes.size(); ++lane) {
                    float* voice = route->m_voice_results->m_lanes[lane];
                    entry->m_lanes[lane] = {first ? target->m_normalized_lanes : voice, voice};
                }
                first = false;
            }
        }
        route->refresh_finishing(*m_device);
    }

    std::vector<std::pair<FloatParameter*, bool>> changed;
    for (auto& [target, route] : routes) {
        const auto old = m_routes.find(target);
        const bool modulated = !route->m_entries.empty();
        if (old == m_routes.end() || old->second->m_serials != route->m_serials ||
            old->second->m_entries.empty() == modulated)
            changed.emplace_back(target, modulated);
    }
    for (auto& [target, route] : m_routes)
        if (!routes.count(target))
            changed.emplace_back(target, false);
    m_routes.swap(routes);
    for (Modulator* modulator : m_order)
        modulator->routing_rebuilt();

    for (unsigned stage = 0; stage < ProcessingStage_ENUM_SIZE; ++stage) {
        m_active[stage].clear();
        for (Modulator* modulator : m_stage_order[stage])
            if (!modulator->m_active_entries.empty())
                m_active[stage].push_back(modulator);
    }
    m_up_to_date = true;
    for (auto& [target, modulated] : changed)
        target->set_modulated(modulated);
    request_restart();
}

// --- persistence
// -----------------------------------------------------------------------------------

void ModulationManager::save(Orvo::BiniNode& a_node) const {
    ModulationSaver(const_cast<ModulationManager&>(*this)).save(a_node);
}

void ModulationManager::load(Orvo::BiniNode& a_node) {
    auto locks = m_device->lock_structure();
    suspend_updates();
    try {
        ModulationSaver(*this).load(a_node);
        // Stored data may aim entries against the processing order; such entries cannot run.
        p_check_validity(0, unsigned(m_order.size()));
        p_mark_all_dirty();
    } catch (...) {
        // What was built stays for the caller to clear; the routing must still match it.
        try {
            resume_updates();
        } catch (...) {
        }
        throw;
    }
    resume_updates();
    ModulationEvents::OnLoaded event;
    OnLoaded.emit(event);
}

} // namespace Tonekit
