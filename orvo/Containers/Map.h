#pragma once
// An ordered map whose lookup of a key that must be present checks for it.

#include "orvo/Core/Assert.h"

#include <map>
#include <utility>

namespace Orvo {

template <class K, class V, class Compare = std::less<K>>
class Map : public std::map<K, V, Compare> {
    using Base = std::map<K, V, Compare>;

public:
    using Base::Base;

    bool has_key(const K& a_key) const { return Base::find(a_key) != Base::end(); }

    V& get(const K& a_key) {
        const auto i = Base::find(a_key);
        ORVO_ASSERT(i != Base::end());
        return i->second;
    }
    const V& get(const K& a_key) const {
        const auto i = Base::find(a_key);
        ORVO_ASSERT(i != Base::end());
        return i->second;
    }
    // Null when absent.
    V* find_value(const K& a_key) {
        const auto i = Base::find(a_key);
        return i == Base::end() ? nullptr : &i->second;
    }
    const V* find_value(const K& a_key) const {
        const auto i = Base::find(a_key);
        return i == Base::end() ? nullptr : &i->second;
    }
    bool is_empty() const noexcept { return Base::empty(); }
};

} // namespace Orvo
