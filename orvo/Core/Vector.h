#pragma once
// A growable array whose inserts and removals check their positions: an index from a corrupt file
// or a stale editor must fail as an exception, never as a write past the end.

#include "orvo/Core/Assert.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace Orvo {

template <class T>
class Vector : public std::vector<T> {
    using Base = std::vector<T>;

public:
    using Base::Base;

    void insert_at(std::size_t a_index, T a_value) {
        ORVO_ASSERT(a_index <= Base::size());
        Base::insert(Base::begin() + std::ptrdiff_t(a_index), std::move(a_value));
    }
    void remove_at(std::size_t a_index) {
        ORVO_ASSERT(a_index < Base::size());
        Base::erase(Base::begin() + std::ptrdiff_t(a_index));
    }
    void remove_at(std::size_t a_index, std::size_t a_count) {
        ORVO_ASSERT(a_index <= Base::size() && a_count <= Base::size() - a_index);
        const auto first = Base::begin() + std::ptrdiff_t(a_index);
        Base::erase(first, first + std::ptrdiff_t(a_count));
    }
    T& get(std::size_t a_index) {
        ORVO_ASSERT(a_index < Base::size());
        return Base::operator[](a_index);
    }
    const T& get(std::size_t a_index) const {
        ORVO_ASSERT(a_index < Base::size());
        return Base::operator[](a_index);
    }
    bool is_empty() const noexcept { return Base::empty(); }
};

} // namespace Orvo
