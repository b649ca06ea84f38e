#pragma once
// Writes and reads the modulation inside a preset or chunk node:
//
//   "Modu"  one child per modulator, ids 1, 2, 3 ... in processing order:
//           "PrSt" stage save value (in-note 0, pre-note 1, post-note 2), "Type" type code
//           minus 1, "Para" the modulator's parameters, "Entr" one child per entry (ids 1, 2,
//           3 ...) holding "Para" with the entry's parameters.
//   "Assi"  one child per assigned slot: "SlIn" slot index, "PaId" parameter identifier, "MoIn"
//           global index of the owning modulator and, for a parameter of an entry, "EnIn".
//
// Loading treats the data as hostile: every index is checked, and a failure throws with the
// reason, leaving what was built for the caller to clear.

#include "orvo/Containers/Map.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Modulation/ProcessingStage.h"

#include <cstdint>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class ModulationManager;

class ModulationSaver {
public:
    enum ProcessingStageSaveValue : std::uint32_t {
        ProcessingStageSaveValue_IN_NOTE = 0,
        ProcessingStageSaveValue_PRE_NOTE = 1,
        ProcessingStageSaveValue_POST_NOTE = 2,
    };

    static constexpr std::uint32_t child_modulators = Orvo::four_cc("Modu");
    static constexpr std::uint32_t child_assignments = Orvo::four_cc("Assi");
    static constexpr std::uint32_t child_stage = Orvo::four_cc("PrSt");
    static constexpr std::uint32_t child_type = Orvo::four_cc("Type");
    static constexpr std::uint32_t child_parameters = Orvo::four_cc("Para");
    static constexpr std::uint32_t child_entries = Orvo::four_cc("Entr");
    static constexpr std::uint32_t child_slot_index = Orvo::four_cc("SlIn");
    static constexpr std::uint32_t child_parameter_id = Orvo::four_cc("PaId");
    static constexpr std::uint32_t child_modulator_index = Orvo::four_cc("MoIn");
    static constexpr std::uint32_t child_entry_index = Orvo::four_cc("EnIn");

    explicit ModulationSaver(ModulationManager& a_manager);

    void save(Orvo::BiniNode& a_node) const;
    // Into an empty manager whose updates the caller suspended.
    void load(Orvo::BiniNode& a_node);

private:
    void p_load_assignments(const Orvo::BiniNode& a_assignments);

    ModulationManager& m_manager;
    Orvo::Map<ProcessingStage, ProcessingStageSaveValue> m_save_values;
    Orvo::Map<ProcessingStageSaveValue, ProcessingStage> m_stages;
};

} // namespace Tonekit
