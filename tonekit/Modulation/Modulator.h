#pragma once
// A source of control signals in 0..1, routed by its entries to float parameters. The modulation
// manager keeps the modulators in processing order (by stage, then by position in the stage), owns
// them and runs the active ones each control block.
//
// Parameters live in the modulator's own collection (owner kind 2): "Enabled" and "Name" here,
// the rest added by the kinds. Float parameters read per sample bind 16-lane buffers the
// modulator owns, are saved, and can be attached to the host's assignable slots and modulated
// themselves by earlier modulators.

#include "orvo/Core/FourCc.h"
#include "orvo/Core/String.h"
#include "tonekit/Modulation/ProcessingStage.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "tonekit/Parameters/ParameterOwner.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class Device;
class FloatParameter;
class ModulationManager;
class ModulatorEntry;
class P_Boolean;
class Parameter;
class Parameter_String;

// The modulator's panel in the modulation editor; the kinds that have one create it.
class ModulatorGui;

class Modulator : public ParameterOwner {
public:
    static constexpr std::uint32_t id_enabled = Orvo::four_cc("Enab");
    static constexpr std::uint32_t id_name = Orvo::four_cc("Name");
    // What get_retrigger_key answers for a modulator that notes do not restart.
    static constexpr int retrigger_key_none = -2;
    static constexpr int retrigger_key_any = -1;

    Modulator(Device* a_device, unsigned a_type_code);
    Modulator(const Modulator&) = delete;
    Modulator& operator=(const Modulator&) = delete;
    ~Modulator() override;

    // A new modulator of the same kind, with default values, for the same device.
    virtual Modulator* create_same_kind() const = 0;
    // The entries or their targets changed: rewire the lanes (the entries' records).
    virtual void entries_changed() {}
    // [ui-thread, structural locks held] The routing was rebuilt (the entries' buffers and chain
    // ends are set): the kind may lay out what its processing follows. The one place it may
    // allocate for that.
    virtual void routing_rebuilt() {}
    virtual ModulatorEntry* create_entry() = 0;
    virtual ModulatorGui* create_gui();
    virtual Orvo::WString get_type_name() const { return {}; }
    // After the stored parameters were loaded, with their "Para" node (older layouts convert here).
    virtual void after_load(Orvo::BiniNode& a_parameters) { (void)a_parameters; }

    // [audio-thread] Never allocate, lock or throw.
    // One chunk of a_frames (1..16); a_start on the first chunk after a restart of the stage.
    virtual void process(unsigned a_frames, bool a_start) noexcept = 0;
    // Routine list 1: a restart was requested (retrigger command, structural change, reset).
    virtual void restart() noexcept {}
    // Routine list 9: a note matched the modulator's retrigger key.
    virtual void retrigger() noexcept {}
    // The retrigger key definition a note must match (-1 any), or retrigger_key_none.
    virtual int get_retrigger_key() const noexcept { return retrigger_key_none; }

    // [ui-thread] Gives the parameters their device and values; once, after construction.
    void initialize();
    // The lanes follow the stage: 16 for in-note modulators, one otherwise.
    void set_stage(ProcessingStage a_stage);
    unsigned get_lane_count() const noexcept { return lane_count_of(m_stage); }
    // "2:XY Name", the global index counted from 1.
    Orvo::WString get_title() const;
    const Orvo::WString& get_name() const;
    bool is_enabled() const noexcept { return m_enabled_value; }

    ParameterCollection& get_parameters() noexcept { return m_parameters; }
    Parameter* find_parameter(std::uint32_t a_id) const { return m_parameters.find(a_id); }
    Device* get_device() const noexcept { return m_device; }
    ModulatorEntry* get_entry(unsigned a_index) const { return m_entries.at(a_index).get(); }
    unsigned get_entry_count() const noexcept { return unsigned(m_entries.size()); }

    unsigned m_global_index = 0;
    unsigned m_stage_index = 0;
    ProcessingStage m_stage = ProcessingStage_PRE_NOTE;
    unsigned m_type_code;
    ModulationManager* m_manager = nullptr;
    std::vector<std::unique_ptr<ModulatorEntry>> m_entries;
    // The entries that have a target, in entry order: those the processing runs.
    std::vector<ModulatorEntry*> m_active_entries;

protected:
    // Appends a parameter to the modulator's collection (before initialize). Float parameters
    // read per sample get a_lanes (16 floats, 16-byte aligned).
    void p_add(Parameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
               bool a_offered = true);
    FloatParameter* p_add_float(std::uint32_t a_id, const Orvo::WString& a_name, float* a_lanes);
    // The lanes changed count; kinds resize what they keep per lane.
    virtual void p_lanes_changed() {}

    Device* m_device;
    ParameterCollection m_parameters;
    P_Boolean* m_enabled;
    Parameter_String* m_name;
    bool m_enabled_value = true;
    Orvo::WString m_name_value;
};

} // namespace Tonekit
