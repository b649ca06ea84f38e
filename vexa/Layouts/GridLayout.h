#pragma once
// A layout of rows and columns. Every cell holds one widget (or none) and may span several rows
// and columns; lines share the space by the rules of GridLayoutAxis. A child's parental data is
// its cell: the row in the high 32 bits, the column in the low ones.

#include "vexa/Layouts/GridLayoutFillOrder.h"
#include "vexa/Layouts/GridLayoutGeometry.h"
#include "vexa/Layouts/Layout.h"

namespace Vexa {

enum GridLayoutAxisId { GridLayoutAxisId_COLUMNS = 0, GridLayoutAxisId_ROWS = 1 };

class GridLayout : public Layout {
public:
    GridLayout(std::size_t a_rows = 0, std::size_t a_columns = 0);
    const char16_t* get_widget_class() const override { return u"GridLayout"; }

    std::size_t get_row_count() const noexcept { return m_geometry.get_row_count(); }
    std::size_t get_column_count() const noexcept { return m_geometry.get_column_count(); }

    // Fail `a_at <= m_size_1` (rows) or `a_at <= m_size_2` (columns).
    void insert_rows(std::size_t a_at, std::size_t a_count);
    void insert_columns(std::size_t a_at, std::size_t a_count);
    // Destroys the widgets of the removed cells. Fail `a_count <= m_size_1 - a_at` and the like.
    void remove_rows(std::size_t a_at, std::size_t a_count);
    void remove_columns(std::size_t a_at, std::size_t a_count);
    // Fails `a_from < m_rows.size()` and `a_to < m_rows.size()`.
    void move_row(std::size_t a_from, std::size_t a_to);

    // Puts the widget (or none) into the cell; a widget that was there is destroyed. Spans
    // below 1 count as 1.
    void set_cell(std::size_t a_row, std::size_t a_column, Widget* a_widget,
                  unsigned a_row_span = 1, unsigned a_column_span = 1);
    Widget* get_cell_widget(std::size_t a_row, std::size_t a_column) const;
    // The cell of a child, from its parental data.
    GridLayoutPosition get_position(const Widget* a_child) const;
    // The child leaves its cell and goes back to the caller.
    void take_widget(Widget* a_child);

    void set_horizontal_spacing(int a_spacing);
    void set_vertical_spacing(int a_spacing);
    int get_horizontal_spacing() const noexcept { return m_geometry.columns().get_spacing(); }
    int get_vertical_spacing() const noexcept { return m_geometry.rows().get_spacing(); }
    void set_equal_column_widths(bool a_equal);
    void set_equal_row_heights(bool a_equal);
    bool has_equal_column_widths() const noexcept { return m_geometry.columns().is_equal(); }
    bool has_equal_row_heights() const noexcept { return m_geometry.rows().is_equal(); }
    void set_axis_mode(GridLayoutAxisId a_axis, GridLayoutAxisMode a_mode);
    // A switched-off row or column takes no space and its widgets are not placed.
    void set_row_enabled(std::size_t a_row, bool a_enabled);
    void set_column_enabled(std::size_t a_column, bool a_enabled);

    const GridLayoutGeometry& get_geometry() const noexcept { return m_geometry; }

protected:
    void measure_children(WidgetEvents::OnMeasure& a_event) override;
    void place_children(const Rect& a_content) override;
    void collect_cells(std::vector<Rect>& a_cells) const override;
    void child_leaving(Widget* a_child) override;
    bool install_style_behaviour(const StyleRegistry& a_registry) override;

private:
    GridLayoutCellLimits p_limits_of(const GridLayoutCell& a_cell) const;
    // Every child's parental data follows its cell after rows or columns moved.
    void p_renumber();
    void p_changed();

    GridLayoutGeometry m_geometry;
    Rect m_content;
};

} // namespace Vexa
