#pragma once
// One row of a list view: its text, a mark drawn before it, and a value for the program.

#include "orvo/Core/String.h"

#include <cstdint>
#include <string_view>

namespace Vexa {

enum ListViewItemMark {
    ListViewItemMark_NONE,
    ListViewItemMark_FOLDER,
    ListViewItemMark_FILE,
};

class ListViewItem {
public:
    explicit ListViewItem(std::u16string_view a_text,
                          ListViewItemMark a_mark = ListViewItemMark_NONE, std::uint64_t a_data = 0)
        : m_text(a_text), m_mark(a_mark), m_data(a_data) {}

    const Orvo::WString& get_text() const noexcept { return m_text; }
    void set_text(std::u16string_view a_text) { m_text = Orvo::WString(a_text); }
    ListViewItemMark get_mark() const noexcept { return m_mark; }
    std::uint64_t get_data() const noexcept { return m_data; }

private:
    Orvo::WString m_text;
    ListViewItemMark m_mark;
    std::uint64_t m_data;
};

} // namespace Vexa
