#pragma once
// One row or one column of a grid: the limits measured from its cells, and the size and position
// it was given when the grid was placed.

namespace Vexa {

struct GridLayoutVector {
    int minimum = 0;
    int maximum = 0;
    int size = 0;
    int position = 0;
    // A switched-off line takes no space, no spacing, and its cells are not measured.
    bool enabled = true;
};

} // namespace Vexa
