#pragma once
// Values bound to keyboard shortcuts: one list per combined code, in the order they were added.
// A window's menu keeps one for all its items; a key press activates the first of its list.

#include "orvo/Core/Assert.h"
#include "vexa/Menus/KeyboardShortcut.h"

#include <array>
#include <vector>

namespace Vexa {

template <class T>
class KeyboardShortcutTable {
public:
    // A list this long would be a runaway loop of bindings, not a menu.
    static constexpr std::size_t max_list_size = 0xFFFF;

    // Appends the value to the list of the shortcut and returns its position there.
    std::size_t add_value(const KeyboardShortcut& a_shortcut, T a_value) {
        ORVO_ASSERT(!a_shortcut.is_empty());
        auto& list = m_lists[std::size_t(a_shortcut.get_code())];
        if (list.size() >= max_list_size)
            throw Orvo::Exception(Orvo::WString(u"list<T> too long"));
        list.push_back(a_value);
        return list.size() - 1;
    }
    // Fails `a_position < list.size()` for a position the list does not have.
    void remove_value(const KeyboardShortcut& a_shortcut, std::size_t a_position) {
        ORVO_ASSERT(!a_shortcut.is_empty());
        auto& list = m_lists[std::size_t(a_shortcut.get_code())];
        ORVO_ASSERT(a_position < list.size());
        list.erase(list.begin() + std::ptrdiff_t(a_position));
    }
    const std::vector<T>& get_values(const KeyboardShortcut& a_shortcut) const noexcept {
        return m_lists[std::size_t(a_shortcut.get_code())];
    }
    const std::vector<T>& get_values(int a_code) const noexcept {
        return m_lists[std::size_t(a_code) & 2047];
    }

private:
    std::array<std::vector<T>, KeyboardShortcut::code_count> m_lists;
};

} // namespace Vexa
