#include "vexa/Widget/WidgetSizes.h"

#include "vexa/Widget/Widget.h"

#include <algorithm>

namespace Vexa {

bool WidgetSizes::recompute() {
    const WidgetSizeValues values = compute();
    if (values == m_values)
        return false;
    m_values = values;
    changed();
    return true;
}

WidgetSizeValues WidgetMeasuredSizes::compute() const {
    WidgetSizeValues values{};
    for (int base : {0, 3}) {
        const int minimum = std::clamp(m_raw[base], 0, widget_size_limit);
        const int maximum = std::clamp(m_raw[base + 1], minimum, widget_size_limit);
        values[base] = minimum;
        values[base + 1] = maximum;
        values[base + 2] = std::clamp(m_raw[base + 2], minimum, maximum);
    }
    return values;
}

void WidgetMeasuredSizes::changed() {
    if (m_widget)
        m_widget->p_measured_sizes_changed();
}

bool WidgetRequestedSizes::set_constraint(int a_index, int a_value) {
    if (a_index < 0 || a_index >= 6)
        return false;
    m_constraints[a_index] = a_value;
    return recompute();
}

WidgetSizeValues WidgetRequestedSizes::compute() const {
    const WidgetSizeValues& m = m_measured.get_values();
    WidgetSizeValues values{};
    for (int base : {0, 3}) {
        const int minimum = m[base], maximum = m[base + 1], requested = m[base + 2];
        const int c_minimum = m_constraints[base], c_maximum = m_constraints[base + 1],
                  c_requested = m_constraints[base + 2];
        values[base] =
            c_minimum == -1 || c_minimum < minimum ? minimum : std::min(c_minimum, maximum);
        values[base + 1] = c_maximum == -1 ? maximum : std::clamp(c_maximum, minimum, maximum);
        // Constraints that contradict each other (a minimum above the maximum) give the minimum.
        values[base + 1] = std::max(values[base + 1], values[base]);
        values[base + 2] =
            std::clamp(c_requested == -1 ? requested : c_requested, values[base], values[base + 1]);
    }
    return values;
}

void WidgetRequestedSizes::changed() {
    if (m_widget)
        m_widget->p_requested_sizes_changed();
}

} // namespace Vexa
