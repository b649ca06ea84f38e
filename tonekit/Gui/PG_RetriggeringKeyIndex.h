#pragma once
// The MIDI key of a retrigger key definition, as a drop-down: "None", "Any", and the 128 notes in
// one submenu per octave.
// [ui-thread] Like every widget.

#include "tonekit/Gui/PG_Choice.h"

namespace Tonekit {

class P_RetriggeringKeyIndex;

class PG_RetriggeringKeyIndex : public PG_Choice {
public:
    // Fails `key` when a_parameter is of another kind.
    explicit PG_RetriggeringKeyIndex(Parameter* a_parameter);

    // Items are numbered by the value minus the lowest value, so "None" is 0.
    void do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) override;

protected:
    ParameterComboBox* do_create_editable_editor() override;
    void do_choose(std::size_t a_id) override;

private:
    P_RetriggeringKeyIndex* m_key;
};

} // namespace Tonekit
