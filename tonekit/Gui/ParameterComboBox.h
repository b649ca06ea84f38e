#pragma once
// The drop-down of a choice editor: it asks the editor for its items each time they are needed
// and shows the parameter's value text.
// [ui-thread] Like every widget.

#include "vexa/Widgets/ComboBox.h"

namespace Tonekit {

class PG_Choice;

class ParameterComboBox : public Vexa::ComboBox {
public:
    explicit ParameterComboBox(PG_Choice& a_editor) : m_editor(a_editor) {}

protected:
    void build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) override;

private:
    PG_Choice& m_editor;
};

} // namespace Tonekit
