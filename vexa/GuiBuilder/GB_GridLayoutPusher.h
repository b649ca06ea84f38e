#pragma once
// Fills a grid layout in reading order.

#include "vexa/GridLayoutBuilder/GridLayoutBuilder.h"
#include "vexa/GuiBuilder/GB_Pusher.h"

namespace Vexa {

class GB_GridLayoutPusher : public GB_Pusher {
public:
    GB_GridLayoutPusher(GridLayout* a_grid, GridLayoutDirection a_direction,
                        std::size_t a_fixed_count, std::size_t a_final_cell_count)
        : m_builder(a_grid, a_direction, a_fixed_count, a_final_cell_count) {}

    void push(Widget* a_widget) override { m_builder.push(a_widget); }
    Widget* get_container() const override;
    void skip(std::size_t a_count) override { m_builder.skip(a_count); }

private:
    GridLayoutBuilder m_builder;
};

} // namespace Vexa
