#pragma once
// The arithmetic of a border layout: up to five regions, a band at the top and one at the bottom
// across the whole width, and between them a middle band of left, centre and right. The side
// regions keep their minimum size across the band; the centre takes what is left.
//
// Each side region owns the space on its inner side (below the top, above the bottom, right of
// the left, left of the right region); it is used only when the region is present and something
// lies beyond it on the same axis.

#include "vexa/Graphics/Geometry.h"

#include <array>

namespace Vexa {

enum BorderLayoutRegion {
    BorderLayoutRegion_TOP = 0,
    BorderLayoutRegion_BOTTOM = 1,
    BorderLayoutRegion_LEFT = 2,
    BorderLayoutRegion_RIGHT = 3,
    BorderLayoutRegion_CENTER = 4,
    BorderLayoutRegion_ENUM_SIZE = 5,
};

// The region's bit in the presence mask: 1 top, 2 bottom, 4 left, 8 right, 16 centre.
constexpr unsigned border_layout_bit(BorderLayoutRegion a_region) {
    return 1u << unsigned(a_region);
}

struct BorderLayoutSpaces {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    bool operator==(const BorderLayoutSpaces&) const = default;
};

struct BorderLayoutLimits {
    int minimum_width = 0;
    int maximum_width = 0;
    int minimum_height = 0;
    int maximum_height = 0;
};

class BorderLayoutGeometry {
public:
    void set_region(BorderLayoutRegion a_region, const BorderLayoutLimits& a_limits);
    void clear_region(BorderLayoutRegion a_region);
    void clear() noexcept { m_mask = 0; }
    unsigned get_mask() const noexcept { return m_mask; }
    bool has(BorderLayoutRegion a_region) const noexcept {
        return (m_mask & border_layout_bit(a_region)) != 0;
    }
    // Negative spaces count as 0.
    void set_spaces(const BorderLayoutSpaces& a_spaces);
    const BorderLayoutSpaces& get_spaces() const noexcept { return m_spaces; }

    // What the present regions need, with the spaces in use.
    int get_minimum_width() const;
    int get_maximum_width() const;
    int get_minimum_height() const;
    int get_maximum_height() const;

    // The rectangle of every region in `a_width` × `a_height` (empty for absent ones).
    std::array<Rect, BorderLayoutRegion_ENUM_SIZE> place(int a_width, int a_height) const;

private:
    const BorderLayoutLimits& p_limits(BorderLayoutRegion a_region) const;
    int p_min_width(BorderLayoutRegion a_region) const;
    int p_min_height(BorderLayoutRegion a_region) const;
    bool p_middle() const noexcept;
    int p_space_top() const noexcept;
    int p_space_bottom() const noexcept;
    int p_space_left() const noexcept;
    int p_space_right() const noexcept;
    int p_middle_width(bool a_maximum) const;
    int p_middle_height(bool a_maximum) const;

    std::array<BorderLayoutLimits, BorderLayoutRegion_ENUM_SIZE> m_limits{};
    unsigned m_mask = 0;
    BorderLayoutSpaces m_spaces;
};

} // namespace Vexa
