#pragma once
// An entry's choice of target: a modulatee (a float parameter of the device, a modulator or an
// entry) or none. Stored under "Valu" by identifiers and indices: child 1 the parameter's
// identifier (0 = none), child 2 the global index of the modulator that owns it (absent for the
// device's own parameters), child 3 the index of the entry that owns it (only for entries).

#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

class Modulatee;
class ModulatorEntry;

class Parameter_Modulatee : public Parameter {
public:
    static constexpr std::uint32_t child_identifier = 1;
    static constexpr std::uint32_t child_modulator = 2;
    static constexpr std::uint32_t child_entry = 3;

    explicit Parameter_Modulatee(ModulatorEntry* a_entry);

    Modulatee* get_value() const noexcept { return m_value; }
    // [ui-thread] Chooses the target (null: none) under the device's structural locks; the
    // routing follows at once. A target that cannot carry modulation throws "Assigned parameter
    // cannot be modulated.".
    void set_value(Modulatee* a_target);

    // Resolves the target among the device's parameters and modulators; untrusted data.
    bool do_load(Orvo::BiniNode& a_node) override;
    void do_save(Orvo::BiniNode& a_node) override;
    void reset() override { m_value = nullptr; }
    void copy_value(const Parameter& a_other) override;
    void get_value_text(Orvo::WString& a_text) override;

private:
    ModulatorEntry* m_entry;
    Modulatee* m_value = nullptr;
};

} // namespace Tonekit
