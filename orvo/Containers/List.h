#pragma once
// A doubly linked list whose end accessors check for an empty list.

#include "orvo/Containers/Allocator.h"
#include "orvo/Core/Assert.h"

#include <list>

namespace Orvo {

template <class T, class A = Allocator<T>>
class List : public std::list<T, A> {
    using Base = std::list<T, A>;

public:
    using Base::Base;

    T& front() {
        ORVO_ASSERT(!Base::empty());
        return Base::front();
    }
    const T& front() const {
        ORVO_ASSERT(!Base::empty());
        return Base::front();
    }
    T& back() {
        ORVO_ASSERT(!Base::empty());
        return Base::back();
    }
    const T& back() const {
        ORVO_ASSERT(!Base::empty());
        return Base::back();
    }
    void pop_front() {
        ORVO_ASSERT(!Base::empty());
        Base::pop_front();
    }
    void pop_back() {
        ORVO_ASSERT(!Base::empty());
        Base::pop_back();
    }
    bool is_empty() const noexcept { return Base::empty(); }
};

} // namespace Orvo
