#include "vexa/Layouts/BorderLayoutGeometry.h"

#include "orvo/Core/Assert.h"

#include <algorithm>

namespace Vexa {

namespace {

constexpr int largest_size = 65536;

int capped(long long a_value) {
    return int(std::clamp<long long>(a_value, 0, largest_size));
}

} // namespace

void BorderLayoutGeometry::set_region(BorderLayoutRegion a_region,
                                      const BorderLayoutLimits& a_limits) {
    ORVO_ASSERT(a_region < BorderLayoutRegion_ENUM_SIZE);
    m_limits[a_region] = a_limits;
    m_mask |= border_layout_bit(a_region);
}

void BorderLayoutGeometry::clear_region(BorderLayoutRegion a_region) {
    ORVO_ASSERT(a_region < BorderLayoutRegion_ENUM_SIZE);
    m_mask &= ~border_layout_bit(a_region);
}

void BorderLayoutGeometry::set_spaces(const BorderLayoutSpaces& a_spaces) {
    m_spaces = {std::max(0, a_spaces.top), std::max(0, a_spaces.bottom), std::max(0, a_spaces.left),
                std::max(0, a_spaces.right)};
}

const BorderLayoutLimits& BorderLayoutGeometry::p_limits(BorderLayoutRegion a_region) const {
    return m_limits[a_region];
}

int BorderLayoutGeometry::p_min_width(BorderLayoutRegion a_region) const {
    return has(a_region) ? m_limits[a_region].minimum_width : 0;
}

int BorderLayoutGeometry::p_min_height(BorderLayoutRegion a_region) const {
    return has(a_region) ? m_limits[a_region].minimum_height : 0;
}

bool BorderLayoutGeometry::p_middle() const noexcept {
    return has(BorderLayoutRegion_LEFT) || has(BorderLayoutRegion_CENTER) ||
           has(BorderLayoutRegion_RIGHT);
}

int BorderLayoutGeometry::p_space_top() const noexcept {
    return has(BorderLayoutRegion_TOP) && (p_middle() || has(BorderLayoutRegion_BOTTOM))
               ? m_spaces.top
               : 0;
}

int BorderLayoutGeometry::p_space_bottom() const noexcept {
    return has(BorderLayoutRegion_BOTTOM) && (p_middle() || has(BorderLayoutRegion_TOP))
               ? m_spaces.bottom
               : 0;
}

int BorderLayoutGeometry::p_space_left() const noexcept {
    return has(BorderLayoutRegion_LEFT) &&
                   (has(BorderLayoutRegion_CENTER) || has(BorderLayoutRegion_RIGHT))
               ? m_spaces.left
               : 0;
}

int BorderLayoutGeometry::p_space_right() const noexcept {
    return has(BorderLayoutRegion_RIGHT) &&
                   (has(BorderLayoutRegion_CENTER) || has(BorderLayoutRegion_LEFT))
               ? m_spaces.right
               : 0;
}

// The sides keep their minimum widths; only the centre's own maximum lets the band grow.
int BorderLayoutGeometry::p_middle_width(bool a_maximum) const {
    long long width = (long long)p_min_width(BorderLayoutRegion_LEFT) + p_space_left() +
                      p_space_right() + p_min_width(BorderLayoutRegion_RIGHT);
    if (has(BorderLayoutRegion_CENTER))
        width += a_maximum ? p_limits(BorderLayoutRegion_CENTER).maximum_width
                           : p_limits(BorderLayoutRegion_CENTER).minimum_width;
    return capped(width);
}

int BorderLayoutGeometry::p_middle_height(bool a_maximum) const {
    int height = 0;
    for (BorderLayoutRegion region :
         {BorderLayoutRegion_LEFT, BorderLayoutRegion_CENTER, BorderLayoutRegion_RIGHT})
        if (has(region))
            height = std::max(height, a_maximum ? p_limits(region).maximum_height
                                                : p_limits(region).minimum_height);
    return height;
}

int BorderLayoutGeometry::get_minimum_width() const {
    return std::max({p_min_width(BorderLayoutRegion_TOP), p_min_width(BorderLayoutRegion_BOTTOM),
                     p_middle_width(false)});
}

int BorderLayoutGeometry::get_maximum_width() const {
    int width = p_middle_width(true);
    for (BorderLayoutRegion region : {BorderLayoutRegion_TOP, BorderLayoutRegion_BOTTOM})
        if (has(region))
            width = std::max(width, p_limits(region).maximum_width);
    return std::max(width, get_minimum_width());
}

int BorderLayoutGeometry::get_minimum_height() const {
    return capped((long long)p_min_height(BorderLayoutRegion_TOP) + p_space_top() +
                  p_middle_height(false) + p_space_bottom() +
                  p_min_height(BorderLayoutRegion_BOTTOM));
}

int BorderLayoutGeometry::get_maximum_height() const {
    return std::max(get_minimum_height(),
                    capped((long long)p_min_height(BorderLayoutRegion_TOP) + p_space_top() +
                           p_middle_height(true) + p_space_bottom() +
                           p_min_height(BorderLayoutRegion_BOTTOM)));
}

std::array<Rect, BorderLayoutRegion_ENUM_SIZE> BorderLayoutGeometry::place(int a_width,
                                                                           int a_height) const {
    std::array<Rect, BorderLayoutRegion_ENUM_SIZE> rects{};
    const int top = p_min_height(BorderLayoutRegion_TOP);
    const int bottom = p_min_height(BorderLayoutRegion_BOTTOM);
    if (has(BorderLayoutRegion_TOP))
        rects[BorderLayoutRegion_TOP] = {0, 0, a_width, top};
    if (has(BorderLayoutRegion_BOTTOM))
        rects[BorderLayoutRegion_BOTTOM] = {0, std::max(0, a_height - bottom), a_width, bottom};

    const int y = top + p_space_top();
    const int height = std::max(0, a_height - y - bottom - p_space_bottom());
    const int left = p_min_width(BorderLayoutRegion_LEFT);
    const int right = p_min_width(BorderLayoutRegion_RIGHT);
    if (has(BorderLayoutRegion_LEFT))
        rects[BorderLayoutRegion_LEFT] = {0, y, left, height};
    if (has(BorderLayoutRegion_RIGHT))
        rects[BorderLayoutRegion_RIGHT] = {std::max(0, a_width - right), y, right, height};
    if (has(BorderLayoutRegion_CENTER)) {
        const int x = left + p_space_left();
        rects[BorderLayoutRegion_CENTER] = {
            x, y, std::max(0, a_width - x - right - p_space_right()), height};
    }
    return rects;
}

} // namespace Vexa
