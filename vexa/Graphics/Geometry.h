#pragma once
// Integer rectangles and sizes in pixels, as windows and widgets use them.

#include <algorithm>

namespace Vexa {

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
    bool is_empty() const noexcept { return width <= 0 || height <= 0; }
    int right() const noexcept { return x + width; }
    int bottom() const noexcept { return y + height; }
    bool contains(int a_x, int a_y) const noexcept {
        return a_x >= x && a_y >= y && a_x < right() && a_y < bottom();
    }
    Rect intersected(const Rect& a_other) const noexcept {
        const int left = std::max(x, a_other.x);
        const int top = std::max(y, a_other.y);
        const int r = std::min(right(), a_other.right());
        const int b = std::min(bottom(), a_other.bottom());
        if (r <= left || b <= top)
            return {};
        return {left, top, r - left, b - top};
    }
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    Rect united(const Rect& a_other) const noexcept {
        if (a_other.is_empty())
            return *this;
        if (is_empty())
            return a_other;
        const int left = std::min(x, a_other.x);
        const int top = std::min(y, a_other.y);
        return {left, top, std::max(right(), a_other.right()) - left,
                std::max(bottom(), a_other.bottom()) - top};
    }
    Rect translated(int a_dx, int a_dy) const noexcept {
        return {x + a_dx, y + a_dy, width, height};
    }
};

} // namespace Vexa
