#include "tonekit/Gui/PG_Integer.h"

#include "orvo/Core/Assert.h"
#include "tonekit/ParameterTypes/P_Integer.h"

#include <algorithm>
#include <cmath>

namespace Tonekit {

namespace {

P_Integer* require_integer(Parameter* a_parameter) {
    auto* integer = dynamic_cast<P_Integer*>(a_parameter);
    ORVO_ASSERT(integer);
    return integer;
}

} // namespace

PG_Integer::PG_Integer(Parameter* a_parameter)
    : SingleParameterEditor(a_parameter), m_integer(require_integer(a_parameter)) {
    p_initialize();
}

Vexa::Widget* PG_Integer::create_editable_widget() {
    const int low = std::min(m_integer->m_start, m_integer->m_end);
    const int high = std::max(m_integer->m_start, m_integer->m_end);
    m_edit = new Vexa::DecimalEdit(low, high, 0, m_integer->get_value());
    connect(m_edit->m_on_value_changed, this, &PG_Integer::p_on_value_changed);
    return m_edit;
}

void PG_Integer::update_parameter_from_widget() {
    m_integer->set_value(int(std::lround(m_edit->get_value())));
}

void PG_Integer::update_widget_from_parameter() {
    m_edit->set_value(m_integer->get_value());
}

void PG_Integer::p_on_value_changed(Vexa::DecimalEditChangedEvent&) {
    if (!is_refreshing_widget())
        update_parameter_from_widget();
}

} // namespace Tonekit
