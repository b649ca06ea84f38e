#pragma once
// A two-dimensional table whose rows (dimension 1) and columns (dimension 2) can be inserted and
// removed at any position; every cell keeps its value when others move around it.

#include "orvo/Containers/Allocator.h"
#include "orvo/Core/Assert.h"

#include <cstddef>
#include <vector>

namespace Orvo {

template <class T, class A = Allocator<T>>
class Matrix {
public:
    Matrix() = default;
    Matrix(std::size_t a_size_1, std::size_t a_size_2, const T& a_fill = T())
        : m_size_1(a_size_1), m_size_2(a_size_2), m_cells(a_size_1 * a_size_2, a_fill) {}

    std::size_t size_1() const noexcept { return m_size_1; }
    std::size_t size_2() const noexcept { return m_size_2; }

    T& get(std::size_t a_index_1, std::size_t a_index_2) {
        ORVO_ASSERT(a_index_1 < m_size_1 && a_index_2 < m_size_2);
        return m_cells[a_index_1 * m_size_2 + a_index_2];
    }
    const T& get(std::size_t a_index_1, std::size_t a_index_2) const {
        ORVO_ASSERT(a_index_1 < m_size_1 && a_index_2 < m_size_2);
        return m_cells[a_index_1 * m_size_2 + a_index_2];
    }

    // Inserts a row before a_index (a_index == size_1() appends).
    void insert_1(std::size_t a_index, const T& a_fill = T()) {
        ORVO_ASSERT(a_index <= m_size_1);
        m_cells.insert(m_cells.begin() + std::ptrdiff_t(a_index * m_size_2), m_size_2, a_fill);
        ++m_size_1;
    }
    // Inserts a column before a_index (a_index == size_2() appends).
    void insert_2(std::size_t a_index, const T& a_fill = T()) {
        ORVO_ASSERT(a_index <= m_size_2);
        std::vector<T, A> cells;
        cells.reserve(m_size_1 * (m_size_2 + 1));
        for (std::size_t row = 0; row < m_size_1; ++row)
            for (std::size_t column = 0; column <= m_size_2; ++column) {
                if (column == a_index)
                    cells.push_back(a_fill);
                if (column < m_size_2)
                    cells.push_back(std::move(m_cells[row * m_size_2 + column]));
            }
        m_cells = std::move(cells);
        ++m_size_2;
    }
    void remove_1(std::size_t a_index) {
        ORVO_ASSERT(a_index < m_size_1);
        const auto first = m_cells.begin() + std::ptrdiff_t(a_index * m_size_2);
        m_cells.erase(first, first + std::ptrdiff_t(m_size_2));
        --m_size_1;
    }
    void remove_2(std::size_t a_index) {
        ORVO_ASSERT(a_index < m_size_2);
        std::vector<T, A> cells;
        cells.reserve(m_size_1 * (m_size_2 - 1));
        for (std::size_t row = 0; row < m_size_1; ++row)
            for (std::size_t column = 0; column < m_size_2; ++column)
                if (column != a_index)
                    cells.push_back(std::move(m_cells[row * m_size_2 + column]));
        m_cells = std::move(cells);
        --m_size_2;
    }

    // Ranges of rows or columns at once: `a_count` lines inserted before `a_at`, or removed from
    // it.
    void insert_1(std::size_t a_at, std::size_t a_count, const T& a_fill) {
        ORVO_ASSERT(a_at <= m_size_1);
        m_cells.insert(m_cells.begin() + std::ptrdiff_t(a_at * m_size_2), a_count * m_size_2,
                       a_fill);
        m_size_1 += a_count;
    }
    void insert_2(std::size_t a_at, std::size_t a_count, const T& a_fill) {
        ORVO_ASSERT(a_at <= m_size_2);
        for (std::size_t i = 0; i < a_count; ++i)
            insert_2(a_at, a_fill);
    }
    void remove_1(std::size_t a_at, std::size_t a_count) {
        ORVO_ASSERT(a_at <= m_size_1);
        ORVO_ASSERT(a_count <= m_size_1 - a_at);
        const auto first = m_cells.begin() + std::ptrdiff_t(a_at * m_size_2);
        m_cells.erase(first, first + std::ptrdiff_t(a_count * m_size_2));
        m_size_1 -= a_count;
    }
    void remove_2(std::size_t a_at, std::size_t a_count) {
        ORVO_ASSERT(a_at <= m_size_2);
        ORVO_ASSERT(a_count <= m_size_2 - a_at);
        for (std::size_t i = 0; i < a_count; ++i)
            remove_2(a_at);
    }

private:
    std::size_t m_size_1 = 0;
    std::size_t m_size_2 = 0;
    std::vector<T, A> m_cells;
};

} // namespace Orvo
