#pragma once
// One route of a modulator's signal to one target (a float parameter of the device, or of a later
// modulator or entry). Entries have parameters of their own (owner kind 1) in a collection: the
// base's "Enabled" (id 1) and "Modulatee" (id 2), the kinds add more.
//
// Each lane of the modulator has one buffer pair here: the entry reads the target's value so far
// (the target's normalized lanes, or what the previous entry in the target's chain wrote) and
// writes its result. The routing rebuild sets the pairs up; the processing only follows them.

#include "orvo/Core/String.h"
#include "tonekit/Modulation/ModulationKernels.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "tonekit/Parameters/ParameterOwner.h"

#include <cstdint>
#include <vector>

namespace Tonekit {

class FloatParameter;
class Modulatee;
class ModulationRoute;
class Modulator;
class P_Boolean;
class Parameter;
class Parameter_Modulatee;

class ModulatorEntry : public ParameterOwner {
public:
    static constexpr std::uint32_t id_enabled = 1;
    static constexpr std::uint32_t id_modulatee = 2;

    struct LaneBuffers {
        const float* m_input = nullptr;
        float* m_output = nullptr;
    };

    explicit ModulatorEntry(Modulator* a_modulator);
    ModulatorEntry(const ModulatorEntry&) = delete;
    ModulatorEntry& operator=(const ModulatorEntry&) = delete;
    ~ModulatorEntry() override;

    // Chooses how the entry applies its signal. [audio-thread in the commit pass, or structural
    // locks held] Must not allocate, lock or throw.
    virtual void configure() noexcept {}

    // [ui-thread] Gives the parameters their device and values; once, after construction.
    void initialize();
    void set_lane_count(unsigned a_count);
    // The target chosen by the "Modulatee" parameter (null when none).
    Modulatee* get_chosen_target() const;
    FloatParameter* get_target_parameter() const noexcept { return m_target; }
    bool is_enabled() const noexcept { return m_enabled_value; }
    // Where "Enabled" commits, for processing that reads it every chunk.
    const bool* get_enabled_flag() const noexcept { return &m_enabled_value; }

    // [audio-thread] Copies the input to the output of a lane (a disabled entry passes its
    // target's value on unchanged).
    void pass_through(unsigned a_lane) const noexcept;
    // [audio-thread] When the target's chain ends at this entry, turns the chain's result into the
    // target's internal lanes.
    void finish() const noexcept;

    ParameterCollection& get_parameters() noexcept { return m_parameters; }
    Parameter* find_parameter(std::uint32_t a_id) const { return m_parameters.find(a_id); }

    Modulator* m_modulator;
    unsigned m_index = 0;
    // Resolved by the routing rebuild from the "Modulatee" parameter.
    FloatParameter* m_target = nullptr;
    std::vector<LaneBuffers> m_lanes;
    // Set by the routing when the target's chain ends here.
    ModulationRoute* m_route_end = nullptr;
    // Which sides of 0..1 the entry's placement keeps or may leave (the routing's bounds).
    ModulationKernels::PlacementBounds m_bounds{};
    // Tells entries apart across deletions (an address may be reused).
    std::uint64_t m_serial;

protected:
    void p_add(Parameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
               bool a_offered = true);
    FloatParameter* p_add_float(std::uint32_t a_id, const Orvo::WString& a_name, float* a_lanes);

    ParameterCollection m_parameters;
    P_Boolean* m_enabled;
    Parameter_Modulatee* m_modulatee;
    bool m_enabled_value = true;
};

} // namespace Tonekit
