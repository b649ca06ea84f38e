#pragma once
// A forward cursor over a list, or over a map's values. It checks that it is not advanced or read
// past the end.

#include "orvo/Core/Assert.h"

#include <iterator>
#include <type_traits>
#include <utility>

namespace Orvo {
namespace detail {

template <class T>
struct IsPair : std::false_type {};
template <class A, class B>
struct IsPair<std::pair<A, B>> : std::true_type {};

} // namespace detail

template <class Iterator>
class Browser {
    using Element = typename std::iterator_traits<Iterator>::value_type;
    static constexpr bool browses_map = detail::IsPair<std::remove_cv_t<Element>>::value;

public:
    Browser(Iterator a_begin, Iterator a_end) : m_position(a_begin), m_end(a_end) {}
    template <class Container>
    explicit Browser(Container& a_container)
        : m_position(a_container.begin()), m_end(a_container.end()) {}

    bool is_valid() const { return m_position != m_end; }
    bool at_end() const { return m_position == m_end; }

    decltype(auto) get() const {
        ORVO_ASSERT(m_position != m_end);
        if constexpr (browses_map)
            return (m_position->second);
        else
            return (*m_position);
    }
    void next() {
        ORVO_ASSERT(m_position != m_end);
        ++m_position;
    }

private:
    Iterator m_position;
    Iterator m_end;
};

template <class Container>
Browser(Container&) -> Browser<decltype(std::declval<Container&>().begin())>;

} // namespace Orvo
