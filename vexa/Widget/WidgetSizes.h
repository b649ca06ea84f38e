#pragma once
// The two stages of a widget's size. The measured sizes are what the content needs, normalised;
// the requested sizes are what the widget asks of its parent: the measured range narrowed by the
// explicit constraints that styles or code set. Explicit constraints never widen the measured
// range, so a widget is never given less room than its content needs.

#include <array>

namespace Vexa {

class Widget;

// The largest size anywhere.
constexpr int widget_size_limit = 65536;

enum WidgetSizeIndex {
    WidgetSizeIndex_MIN_WIDTH = 0,
    WidgetSizeIndex_MAX_WIDTH = 1,
    WidgetSizeIndex_REQUESTED_WIDTH = 2,
    WidgetSizeIndex_MIN_HEIGHT = 3,
    WidgetSizeIndex_MAX_HEIGHT = 4,
    WidgetSizeIndex_REQUESTED_HEIGHT = 5,
};

using WidgetSizeValues = std::array<int, 6>;

class WidgetSizes {
public:
    WidgetSizes() = default;
    WidgetSizes(const WidgetSizes&) = delete;
    WidgetSizes& operator=(const WidgetSizes&) = delete;
    virtual ~WidgetSizes() = default;

    const WidgetSizeValues& get_values() const noexcept { return m_values; }
    int get_minimum_width() const noexcept { return m_values[WidgetSizeIndex_MIN_WIDTH]; }
    int get_maximum_width() const noexcept { return m_values[WidgetSizeIndex_MAX_WIDTH]; }
    int get_requested_width() const noexcept { return m_values[WidgetSizeIndex_REQUESTED_WIDTH]; }
    int get_minimum_height() const noexcept { return m_values[WidgetSizeIndex_MIN_HEIGHT]; }
    int get_maximum_height() const noexcept { return m_values[WidgetSizeIndex_MAX_HEIGHT]; }
    int get_requested_height() const noexcept { return m_values[WidgetSizeIndex_REQUESTED_HEIGHT]; }

    // Computes the values from the inputs; returns whether they changed (and then calls changed).
    bool recompute();

protected:
    virtual void changed() {}
    virtual WidgetSizeValues compute() const = 0;

private:
    // Until the first measure nothing limits the size.
    WidgetSizeValues m_values{0, widget_size_limit, 0, 0, widget_size_limit, 0};
};

// Input: the raw measurement of the content.
class WidgetMeasuredSizes : public WidgetSizes {
public:
    explicit WidgetMeasuredSizes(Widget* a_widget = nullptr) : m_widget(a_widget) {}

    const WidgetSizeValues& get_raw() const noexcept { return m_raw; }
    bool set_raw(const WidgetSizeValues& a_raw) {
        m_raw = a_raw;
        return recompute();
    }

protected:
    void changed() override;
    WidgetSizeValues compute() const override;

private:
    Widget* m_widget;
    WidgetSizeValues m_raw{0, widget_size_limit, 0, 0, widget_size_limit, 0};
};

// Inputs: six explicit constraints, -1 meaning none.
class WidgetRequestedSizes : public WidgetSizes {
public:
    WidgetRequestedSizes(const WidgetMeasuredSizes& a_measured, Widget* a_widget = nullptr)
        : m_measured(a_measured), m_widget(a_widget) {
        m_constraints.fill(-1);
    }

    const WidgetSizeValues& get_constraints() const noexcept { return m_constraints; }
    bool set_constraints(const WidgetSizeValues& a_constraints) {
        m_constraints = a_constraints;
        return recompute();
    }
    // Sets one constraint (WidgetSizeIndex) and recomputes.
    bool set_constraint(int a_index, int a_value);

protected:
    void changed() override;
    WidgetSizeValues compute() const override;

private:
    const WidgetMeasuredSizes& m_measured;
    Widget* m_widget;
    WidgetSizeValues m_constraints;
};

} // namespace Vexa
