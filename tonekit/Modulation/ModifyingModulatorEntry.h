#pragma once
// An entry of a modifying modulator: "Invert" (XORed with the modulator's), "Location" (where the
// signal goes relative to the target's value) and "Range" (how far; a float parameter, so a range
// can itself be modulated).

#include "tonekit/Modulation/ModificationType.h"
#include "tonekit/Modulation/ModulationKernels.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"

namespace Tonekit {

class ModifyingModulator;
class Parameter_Modifier;

class ModifyingModulatorEntry : public ModulatorEntry {
public:
    static constexpr std::uint32_t id_invert = Orvo::four_cc("Inve");
    static constexpr std::uint32_t id_location = Orvo::four_cc("MoTy");
    static constexpr std::uint32_t id_range = Orvo::four_cc("MoAm");

    explicit ModifyingModulatorEntry(ModifyingModulator* a_modulator);

    void configure() noexcept override;

    ModificationType get_location() const noexcept { return m_location_value; }
    ModulationKernels::SignalForm get_signal_form() const noexcept { return m_form; }
    // Null for a location outside the enumeration: the entry then passes its input on.
    ModulationKernels::Placement get_placement() const noexcept { return m_placement; }
    const float* get_range_lanes() const noexcept { return m_range_lanes; }
    // The record of the modulator's signal the entry reads (the XY pad's axis).
    unsigned m_record = 0;

protected:
    ModifyingModulator* p_modulator() const noexcept;

private:
    P_Boolean* m_invert;
    bool m_invert_value = false;
    P_TypedChoice<ModificationType>* m_location;
    ModificationType m_location_value = ModificationType_ABOVE;
    Parameter_Modifier* m_range;
    alignas(16) float m_range_lanes[ModulationKernels::block_size] = {};
    ModulationKernels::Placement m_placement = nullptr;
    ModulationKernels::SignalForm m_form = ModulationKernels::SignalForm_UPWARD;
};

} // namespace Tonekit
