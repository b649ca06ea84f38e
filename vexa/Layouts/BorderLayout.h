#pragma once
// A layout of up to five regions around a centre (see BorderLayoutGeometry for how they lie).
// A child's parental data is its region.

#include "vexa/Layouts/BorderLayoutGeometry.h"
#include "vexa/Layouts/Layout.h"

namespace Vexa {

class BorderLayout : public Layout {
public:
    BorderLayout();
    const char16_t* get_widget_class() const override { return u"BorderLayout"; }

    // Puts the widget (or none) into the region; a widget that was there is destroyed.
    void set_widget(BorderLayoutRegion a_region, Widget* a_widget);
    Widget* get_widget(BorderLayoutRegion a_region) const;
    // The bits of the regions that hold a widget (1 top, 2 bottom, 4 left, 8 right, 16 centre).
    unsigned get_presence_mask() const noexcept;

    void set_spaces(const BorderLayoutSpaces& a_spaces);
    const BorderLayoutSpaces& get_spaces() const noexcept { return m_geometry.get_spaces(); }

protected:
    void measure_children(WidgetEvents::OnMeasure& a_event) override;
    void place_children(const Rect& a_content) override;
    void collect_cells(std::vector<Rect>& a_cells) const override;
    void child_leaving(Widget* a_child) override;
    bool install_style_behaviour(const StyleRegistry& a_registry) override;

private:
    void p_update_geometry();

    std::array<Widget*, BorderLayoutRegion_ENUM_SIZE> m_widgets{};
    BorderLayoutGeometry m_geometry;
    std::array<Rect, BorderLayoutRegion_ENUM_SIZE> m_rects{};
};

} // namespace Vexa
