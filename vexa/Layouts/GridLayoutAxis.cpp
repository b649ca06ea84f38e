#include "vexa/Layouts/GridLayoutAxis.h"

#include "orvo/Core/Assert.h"

#include <algorithm>
#include <limits>

namespace Vexa {

namespace {

int saturated(std::int64_t a_value) {
    return int(std::clamp<std::int64_t>(a_value, 0, std::numeric_limits<int>::max()));
}

} // namespace

GridLayoutVector& GridLayoutAxis::line(std::size_t a_index) {
    ORVO_ASSERT(a_index < m_lines.size());
    return m_lines[a_index];
}

const GridLayoutVector& GridLayoutAxis::line(std::size_t a_index) const {
    ORVO_ASSERT(a_index < m_lines.size());
    return m_lines[a_index];
}

void GridLayoutAxis::insert(std::size_t a_at, std::size_t a_count) {
    ORVO_ASSERT(a_at <= m_lines.size());
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(a_at), a_count, GridLayoutVector());
}

void GridLayoutAxis::remove(std::size_t a_at, std::size_t a_count) {
    ORVO_ASSERT(a_at <= m_lines.size());
    ORVO_ASSERT(a_count <= m_lines.size() - a_at);
    const auto first = m_lines.begin() + std::ptrdiff_t(a_at);
    m_lines.erase(first, first + std::ptrdiff_t(a_count));
}

void GridLayoutAxis::move(std::size_t a_from, std::size_t a_to) {
    ORVO_ASSERT(a_from < m_lines.size());
    ORVO_ASSERT(a_to < m_lines.size());
    const GridLayoutVector moved = m_lines[a_from];
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(a_from));
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(a_to), moved);
}

std::size_t GridLayoutAxis::p_enabled_count() const {
    return std::size_t(
        std::count_if(m_lines.begin(), m_lines.end(),
                      [](const GridLayoutVector& a_line) { return a_line.enabled; }));
}

void GridLayoutAxis::measure(std::span<const GridLayoutAxisItem> a_items) {
    for (GridLayoutVector& line : m_lines)
        line.minimum = line.maximum = line.size = 0;
    if (m_mode == GridLayoutAxisMode_CURRENT_SIZES)
        p_measure_current_sizes(a_items);
    else
        p_measure_limits(a_items);
}

void GridLayoutAxis::p_measure_limits(std::span<const GridLayoutAxisItem> a_items) {
    for (const GridLayoutAxisItem& item : a_items)
        if (item.span == 1 && item.first < m_lines.size() && m_lines[item.first].enabled) {
            GridLayoutVector& line = m_lines[item.first];
            line.minimum = std::max(line.minimum, item.minimum);
            line.maximum = std::max(line.maximum, item.maximum);
        }
    if (m_equal) {
        int minimum = 0;
        int maximum = 0;
        for (const GridLayoutVector& line : m_lines)
            if (line.enabled) {
                minimum = std::max(minimum, line.minimum);
                maximum = std::max(maximum, line.maximum);
            }
        for (GridLayoutVector& line : m_lines)
            if (line.enabled) {
                line.minimum = minimum;
                line.maximum = maximum;
            }
    }
    if (m_stretchable)
        for (GridLayoutVector& line : m_lines)
            if (line.enabled)
                line.maximum = largest_size;

    // A spanning cell that does not fit its lines widens the first of them only, so that the
    // lines after it keep the size their own cells asked for.
    for (const GridLayoutAxisItem& item : a_items) {
        if (item.span < 2 || item.first >= m_lines.size())
            continue;
        const std::size_t end = std::min(m_lines.size(), item.first + item.span);
        GridLayoutVector* first = nullptr;
        std::int64_t covered = 0;
        std::size_t enabled = 0;
        for (std::size_t i = item.first; i < end; ++i)
            if (m_lines[i].enabled) {
                if (!first)
                    first = &m_lines[i];
                covered += m_lines[i].minimum;
                ++enabled;
            }
        if (!first)
            continue;
        covered += std::int64_t(enabled - 1) * m_spacing;
        if (covered < item.minimum)
            first->minimum += int(item.minimum - covered);
    }

    // A line never offers less than it needs: a widened line keeps room to grow from there.
    for (GridLayoutVector& line : m_lines)
        line.maximum = std::max(line.maximum, line.minimum);

    const std::size_t enabled = p_enabled_count();
    if (enabled == 0) {
        m_total_minimum = 0;
        m_total_maximum = m_stretchable ? largest_size : 0;
        return;
    }
    std::int64_t minimum = std::int64_t(enabled - 1) * m_spacing;
    std::int64_t maximum = minimum;
    for (const GridLayoutVector& line : m_lines)
        if (line.enabled) {
            minimum += line.minimum;
            maximum += line.maximum;
        }
    m_total_minimum = saturated(minimum);
    m_total_maximum = saturated(maximum);
}

void GridLayoutAxis::p_measure_current_sizes(std::span<const GridLayoutAxisItem> a_items) {
    for (const GridLayoutAxisItem& item : a_items)
        if (item.span == 1 && item.first < m_lines.size() && m_lines[item.first].enabled) {
            GridLayoutVector& line = m_lines[item.first];
            line.size = std::max(line.size, item.current);
        }
    const std::size_t enabled = p_enabled_count();
    std::int64_t total = enabled ? std::int64_t(enabled - 1) * m_spacing : 0;
    for (GridLayoutVector& line : m_lines) {
        line.minimum = line.maximum = line.size;
        total += line.size;
    }
    m_total_minimum = saturated(total);
    m_total_maximum = m_stretchable ? largest_size : m_total_minimum;
}

void GridLayoutAxis::place(int a_size) {
    if (m_mode == GridLayoutAxisMode_MEASURED) {
        const std::size_t enabled = p_enabled_count();
        std::int64_t extra = a_size;
        if (enabled > 0)
            extra -= std::int64_t(enabled - 1) * m_spacing;
        for (GridLayoutVector& line : m_lines) {
            line.size = line.enabled ? line.minimum : 0;
            extra -= line.size;
        }
        p_distribute(extra);
    }
    p_position();
}

// Smaller lines are levelled up to the next larger ones first; what is left is shared equally,
// the pixels that do not divide going one by one to the first lines.
void GridLayoutAxis::p_distribute(std::int64_t a_extra) {
    const auto growable = [](const GridLayoutVector& a_line) {
        return a_line.enabled && a_line.size < a_line.maximum;
    };
    while (a_extra > 0) {
        std::int64_t growable_count = 0;
        int smallest = 0;
        for (const GridLayoutVector& line : m_lines)
            if (growable(line)) {
                smallest = growable_count == 0 ? line.size : std::min(smallest, line.size);
                ++growable_count;
            }
        if (growable_count == 0)
            return;
        bool has_next = false;
        int next = 0;
        for (const GridLayoutVector& line : m_lines)
            if (line.enabled && line.size > smallest && (!has_next || line.size < next)) {
                next = line.size;
                has_next = true;
            }
        if (has_next) {
            std::int64_t at_smallest = 0;
            for (const GridLayoutVector& line : m_lines)
                if (growable(line) && line.size == smallest)
                    ++at_smallest;
            if (std::int64_t(next - smallest) * at_smallest > a_extra)
                next = smallest + int(std::max<std::int64_t>(1, a_extra / at_smallest));
            for (GridLayoutVector& line : m_lines) {
                if (a_extra == 0)
                    break;
                if (!growable(line) || line.size != smallest)
                    continue;
                const int growth =
                    int(std::min<std::int64_t>(std::min(next, line.maximum) - line.size, a_extra));
                line.size += growth;
                a_extra -= growth;
            }
        } else {
            const std::int64_t step = std::max<std::int64_t>(1, a_extra / growable_count);
            for (GridLayoutVector& line : m_lines) {
                if (a_extra == 0)
                    break;
                if (!growable(line))
                    continue;
                const int growth =
                    int(std::min({step, std::int64_t(line.maximum - line.size), a_extra}));
                line.size += growth;
                a_extra -= growth;
            }
        }
    }
}

void GridLayoutAxis::p_position() {
    int position = 0;
    bool first = true;
    for (GridLayoutVector& line : m_lines) {
        if (!line.enabled) {
            line.size = 0;
            line.position = position;
            continue;
        }
        if (!first)
            position += m_spacing;
        first = false;
        line.position = position;
        position += line.size;
    }
}

GridLayoutExtent GridLayoutAxis::extent(std::size_t a_first, std::size_t a_span) const {
    if (a_first >= m_lines.size() || a_span == 0)
        return {};
    const std::size_t last = std::min(m_lines.size(), a_first + a_span) - 1;
    const int position = m_lines[a_first].position;
    return {position, m_lines[last].position + m_lines[last].size - position};
}

} // namespace Vexa
