#include "vexa/Widgets/DecimalEdit.h"
#include "vexa/Widgets/TextMeasure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Vexa {

DecimalEdit::DecimalEdit(double a_minimum, double a_maximum, int a_decimals, double a_value)
    : m_entry(new DecimalEditEntry), m_minimum(std::min(a_minimum, a_maximum)),
      m_maximum(std::max(a_minimum, a_maximum)), m_decimals(std::clamp(a_decimals, 0, 9)),
      m_value(m_minimum) {
    add_child(m_entry);
    m_entry->set_width_in_characters(8);
    connect(m_entry->m_on_validate, this, &DecimalEdit::p_on_validate);
    connect(m_entry->m_on_exit, this, &DecimalEdit::p_on_exit);
    set_value(a_value);
}

void DecimalEdit::set_value(double a_value) {
    const double scale = std::pow(10.0, m_decimals);
    m_value = std::clamp(std::round(a_value * scale) / scale, m_minimum, m_maximum);
    if (!std::isfinite(m_value))
        m_value = m_minimum;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", m_decimals, m_value);
    m_entry->set_text(std::u16string(text, text + std::char_traits<char>::length(text)));
}

void DecimalEdit::p_on_validate(EntryEvents::OnValidate& a_event) {
    const std::optional<double> value = DecimalEditEntry::parse(m_entry->get_text().view());
    if (!value || *value < m_minimum || *value > m_maximum)
        a_event.action = EntryValidation_REJECT;
}

void DecimalEdit::p_on_exit(EntryEvents::OnExit& a_event) {
    const std::optional<double> value =
        DecimalEditEntry::parse(m_entry->get_committed_text().view());
    if (!a_event.changed || !value)
        return;
    set_value(*value); // shows it with the decimals
    DecimalEditChangedEvent event{this, m_value};
    m_on_value_changed.emit(event);
}

void DecimalEdit::measure_content(WidgetEvents::OnMeasure& a_event) {
    TextMeasure::add_wrapped(a_event, *m_entry);
}

void DecimalEdit::resized() {
    m_entry->set_geometry(get_content_rect());
}

} // namespace Vexa
