#include "tonekit/Gui/ParameterGui_Choice.h"

#include "orvo/Core/Assert.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"

namespace Tonekit {

namespace {

P_GenericChoice* require_choice(Parameter* a_parameter) {
    auto* choice = dynamic_cast<P_GenericChoice*>(a_parameter);
    ORVO_ASSERT(choice);
    return choice;
}

// An option has a name and a label; which one is the terse one differs between parameters. The
// box shows the terse one (it has little room), the menu the descriptive one.
std::u16string_view short_text(const P_GenericChoice_Option& a_option) {
    const std::u16string_view name = a_option.m_name.view(), label = a_option.m_label.view();
    return label.size() < name.size() ? label : name;
}

std::u16string_view long_text(const P_GenericChoice_Option& a_option) {
    const std::u16string_view name = a_option.m_name.view(), label = a_option.m_label.view();
    return label.size() < name.size() ? name : label;
}

} // namespace

ParameterGui_Choice::ParameterGui_Choice(Parameter* a_parameter)
    : PG_Choice(a_parameter), m_choice(require_choice(a_parameter)) {
    p_initialize();
}

ParameterComboBox* ParameterGui_Choice::do_create_editable_editor() {
    return new ParameterComboBox(*this);
}

void ParameterGui_Choice::do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) {
    p_add_group(m_choice->get_root(), a_builder);
}

void ParameterGui_Choice::do_choose(std::size_t a_id) {
    m_choice->set_option(std::uint32_t(a_id));
}

void ParameterGui_Choice::update_widget_from_parameter() {
    const P_GenericChoice_Option* option = m_choice->get_current_option();
    if (!option) {
        PG_Choice::update_widget_from_parameter();
        return;
    }
    get_combo_box().set_text(std::u16string(short_text(*option)));
}

// The menu keeps the tree's nesting, so it is walked group by group rather than flattened.
void ParameterGui_Choice::p_add_group(P_GenericChoice_Group& a_group,
                                      Vexa::ComboBoxItemTreeBuilder& a_builder) {
    for (const auto& node : a_group.m_children) {
        switch (node->m_kind) {
        case P_GenericChoice_Node::Kind_GROUP: {
            auto& group = static_cast<P_GenericChoice_Group&>(*node);
            a_builder.begin_submenu(std::u16string(group.m_name.view()));
            p_add_group(group, a_builder);
            a_builder.end_submenu();
            break;
        }
        case P_GenericChoice_Node::Kind_OPTION: {
            const auto& option = static_cast<const P_GenericChoice_Option&>(*node);
            a_builder.add_item(std::u16string(long_text(option)), option.m_id,
                               option.m_id == m_choice->get_current_id());
            break;
        }
        case P_GenericChoice_Node::Kind_SEPARATOR:
            a_builder.add_separator();
            break;
        default:
            throw Orvo::Exception(u"P_GenericChoice_Iterator: Invalid P_GenericChoice_Node type.");
        }
    }
}

} // namespace Tonekit
