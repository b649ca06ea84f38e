#pragma once
// One cell of a grid: its widget (or none) and how many rows and columns it spans. A cell that
// another cell's span covers is `covered` and takes no part in measuring or placing.

namespace Vexa {

class Widget;

struct GridLayoutCell {
    Widget* widget = nullptr;
    unsigned row_span = 1;
    unsigned column_span = 1;
    bool covered = false;
};

// What a cell's widget asks for, as the grid needs it; an inactive cell (no widget, or one that
// is hidden) counts for nothing.
struct GridLayoutCellLimits {
    bool active = false;
    int minimum_width = 0;
    int maximum_width = 0;
    int current_width = 0;
    int minimum_height = 0;
    int maximum_height = 0;
    int current_height = 0;
};

} // namespace Vexa
