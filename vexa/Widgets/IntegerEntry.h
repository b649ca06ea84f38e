#pragma once
// An entry for a whole number in a range: it refuses every character but digits and a leading
// minus, and on exit a text that is no number or lies outside the range goes back to the value
// it showed before.

#include "vexa/Widgets/Entry.h"

#include <optional>

namespace Vexa {

class IntegerEntry;

struct IntegerEntryChangedEvent {
    IntegerEntry* entry;
    long long value;
};

class IntegerEntry : public Widget {
public:
    IntegerEntry(long long a_minimum, long long a_maximum, long long a_value = 0);

    long long get_value() const noexcept { return m_value; }
    // Clamped into the range.
    void set_value(long long a_value);
    long long get_minimum() const noexcept { return m_minimum; }
    long long get_maximum() const noexcept { return m_maximum; }
    Entry& get_entry() noexcept { return *m_entry; }

    // A committed new value.
    Orvo::Signal1<IntegerEntryChangedEvent&> m_on_value_changed;

    const char16_t* get_widget_class() const override { return u"IntegerEntry"; }

    // The number a text holds, when it is one; digits only, with an optional leading minus.
    static std::optional<long long> parse(std::u16string_view a_text);

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void resized() override;

private:
    void p_on_character(EntryEvents::OnAcceptableCharacter& a_event);
    void p_on_validate(EntryEvents::OnValidate& a_event);
    void p_on_exit(EntryEvents::OnExit& a_event);

    Entry* m_entry;
    long long m_minimum;
    long long m_maximum;
    long long m_value;
};

} // namespace Vexa
