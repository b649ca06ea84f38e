#include "tonekit/Gui/PG_RetriggerReason.h"

#include "orvo/Core/Assert.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"

namespace Tonekit {

namespace {

P_RetriggerReason* require_reason(Parameter* a_parameter) {
    auto* reason = dynamic_cast<P_RetriggerReason*>(a_parameter);
    ORVO_ASSERT(reason);
    return reason;
}

} // namespace

PG_RetriggerReason::PG_RetriggerReason(Parameter* a_parameter)
    : PG_Choice(a_parameter), m_reason(require_reason(a_parameter)) {
    p_initialize();
}

ParameterComboBox* PG_RetriggerReason::do_create_editable_editor() {
    return new ParameterComboBox(*this);
}

void PG_RetriggerReason::do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) {
    const int first = m_reason->m_start;
    for (int value = first; value <= m_reason->m_end; ++value) {
        a_builder.add_item(std::u16string(P_RetriggerReason::value_text(value).view()),
                           std::size_t(value - first), value == m_reason->get_value());
        // "None" and "Any" stand apart from the numbered definitions.
        if (value == P_RetriggerReason::any)
            a_builder.add_separator();
    }
}

void PG_RetriggerReason::do_choose(std::size_t a_id) {
    m_reason->set_value(m_reason->m_start + int(a_id));
}

} // namespace Tonekit
