#include "vexa/Widgets/IntegerEntry.h"
#include "vexa/Widgets/TextMeasure.h"

#include <algorithm>
#include <string>

namespace Vexa {

std::optional<long long> IntegerEntry::parse(std::u16string_view a_text) {
    const bool negative = !a_text.empty() && a_text.front() == u'-';
    const std::u16string_view digits = a_text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 18)
        return std::nullopt;
    long long value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

IntegerEntry::IntegerEntry(long long a_minimum, long long a_maximum, long long a_value)
    : m_entry(new Entry), m_minimum(std::min(a_minimum, a_maximum)),
      m_maximum(std::max(a_minimum, a_maximum)), m_value(m_minimum) {
    add_child(m_entry);
    m_entry->set_width_in_characters(
        int(std::max(std::to_string(m_minimum).size(), std::to_string(m_maximum).size())) + 1);
    m_entry->set_horizontally_stretchable(false);
    connect(m_entry->m_on_acceptable_character, this, &IntegerEntry::p_on_character);
    connect(m_entry->m_on_validate, this, &IntegerEntry::p_on_validate);
    connect(m_entry->m_on_exit, this, &IntegerEntry::p_on_exit);
    set_value(a_value);
}

void IntegerEntry::set_value(long long a_value) {
    m_value = std::clamp(a_value, m_minimum, m_maximum);
    const std::string text = std::to_string(m_value);
    m_entry->set_text(std::u16string(text.begin(), text.end()));
}

void IntegerEntry::p_on_character(EntryEvents::OnAcceptableCharacter& a_event) {
    const bool minus_allowed = m_minimum < 0 && a_event.character == U'-';
    a_event.acceptable = (a_event.character >= U'0' && a_event.character <= U'9') || minus_allowed;
}

void IntegerEntry::p_on_validate(EntryEvents::OnValidate& a_event) {
    const std::optional<long long> value = parse(m_entry->get_text().view());
    if (!value || *value < m_minimum || *value > m_maximum)
        a_event.action = EntryValidation_REJECT;
}

void IntegerEntry::p_on_exit(EntryEvents::OnExit& a_event) {
    const std::optional<long long> value = parse(m_entry->get_committed_text().view());
    if (!a_event.changed || !value)
        return;
    m_value = *value;
    IntegerEntryChangedEvent event{this, m_value};
    m_on_value_changed.emit(event);
}

void IntegerEntry::measure_content(WidgetEvents::OnMeasure& a_event) {
    TextMeasure::add_wrapped(a_event, *m_entry);
}

void IntegerEntry::resized() {
    const Rect content = get_content_rect();
    m_entry->set_geometry(content);
}

} // namespace Vexa
