#pragma once
// A choice parameter as a drop-down: its option tree becomes the menu (groups as submenus,
// separators kept), each item numbered by its option's id.
// [ui-thread] Like every widget.

#include "tonekit/Gui/PG_Choice.h"

namespace Tonekit {

class P_GenericChoice;
class P_GenericChoice_Group;

class ParameterGui_Choice : public PG_Choice {
public:
    // Fails `choice` when a_parameter is no choice.
    explicit ParameterGui_Choice(Parameter* a_parameter);

    void do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) override;

protected:
    ParameterComboBox* do_create_editable_editor() override;
    void do_choose(std::size_t a_id) override;
    // The box shows the option's short name; its menu and the host get the descriptive label.
    void update_widget_from_parameter() override;

private:
    void p_add_group(P_GenericChoice_Group& a_group, Vexa::ComboBoxItemTreeBuilder& a_builder);

    P_GenericChoice* m_choice;
};

} // namespace Tonekit
