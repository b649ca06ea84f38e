#pragma once
// Which retrigger key definition restarts a modulator, as a drop-down: "None", "Any" and the
// definitions "1" to "8".
// [ui-thread] Like every widget.

#include "tonekit/Gui/PG_Choice.h"

namespace Tonekit {

class P_RetriggerReason;

class PG_RetriggerReason : public PG_Choice {
public:
    // Fails `reason` when a_parameter is of another kind.
    explicit PG_RetriggerReason(Parameter* a_parameter);

    // Items are numbered by the value minus the lowest value, so "None" is 0.
    void do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) override;

protected:
    ParameterComboBox* do_create_editable_editor() override;
    void do_choose(std::size_t a_id) override;

private:
    P_RetriggerReason* m_reason;
};

} // namespace Tonekit
