#pragma once
// Base of the editors that offer a parameter's values in a drop-down: the kind lists the values
// (do_build_item_tree, with its own item numbers) and applies the one chosen (do_choose). A kind
// must make its box in do_create_editable_editor; the base fails with
// "PG_Choice::do_create_editable_editor() not overridden.".
// [ui-thread] Like every widget.

#include "tonekit/Gui/ParameterComboBox.h"
#include "tonekit/Gui/SingleParameterEditor.h"

#include <cstddef>

namespace Tonekit {

class PG_Choice : public SingleParameterEditor {
public:
    explicit PG_Choice(Parameter* a_parameter) : SingleParameterEditor(a_parameter) {}
    ParameterComboBox& get_combo_box() const noexcept { return *m_box; }

    virtual void do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) = 0;

protected:
    virtual ParameterComboBox* do_create_editable_editor();
    // The item numbered a_id was chosen.
    virtual void do_choose(std::size_t a_id) = 0;

    Vexa::Widget* create_editable_widget() override;
    void update_widget_from_parameter() override;

private:
    void p_on_item_chosen(Vexa::ComboBoxEvents::OnItemChosen& a_event);

    ParameterComboBox* m_box = nullptr;
};

} // namespace Tonekit
