#pragma once
// A decimal number in a range, shown with a fixed count of decimals in a DecimalEditEntry. On
// exit a text that is no number or lies outside the range goes back to the value shown before.

#include "vexa/Widgets/DecimalEditEntry.h"

namespace Vexa {

class DecimalEdit;

struct DecimalEditChangedEvent {
    DecimalEdit* edit;
    double value;
};

class DecimalEdit : public Widget {
public:
    DecimalEdit(double a_minimum, double a_maximum, int a_decimals, double a_value = 0);

    double get_value() const noexcept { return m_value; }
    // Clamped into the range and rounded to the decimals.
    void set_value(double a_value);
    DecimalEditEntry& get_entry() noexcept { return *m_entry; }

    Orvo::Signal1<DecimalEditChangedEvent&> m_on_value_changed;

    const char16_t* get_widget_class() const override { return u"DecimalEdit"; }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void resized() override;

private:
    void p_on_validate(EntryEvents::OnValidate& a_event);
    void p_on_exit(EntryEvents::OnExit& a_event);

    DecimalEditEntry* m_entry;
    double m_minimum;
    double m_maximum;
    int m_decimals;
    double m_value;
};

} // namespace Vexa
