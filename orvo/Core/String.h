#pragma once
// The system's string value type. Short texts (ids, units, option labels) are the common case, so
// up to seven code units live inside the object and need no heap block.

#include <compare>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>
#include <type_traits>
#include <utility>

namespace Orvo {

template <class C>
class String {
public:
    using value_type = C;
    using size_type = std::size_t;
    using view_type = std::basic_string_view<C>;
    static constexpr size_type npos = view_type::npos;
    static constexpr size_type inline_capacity = 7;

    String() noexcept { m_inline[0] = C(); }
    String(const C* a_text) : String(view_type(a_text)) {}
    String(const C* a_text, size_type a_length) : String(view_type(a_text, a_length)) {}
    String(view_type a_text) {
        m_inline[0] = C();
        append(a_text);
    }
    String(size_type a_count, C a_unit) {
        m_inline[0] = C();
        p_reserve(a_count);
        for (size_type i = 0; i < a_count; ++i)
            m_data[i] = a_unit;
        m_size = a_count;
        m_data[m_size] = C();
    }
    String(const String& a_other) : String(a_other.view()) {}
    String(String&& a_other) noexcept { p_take(a_other); }
    ~String() { p_free(); }

    String& operator=(const String& a_other) {
        if (this != &a_other)
            assign(a_other.view());
        return *this;
    }
    String& operator=(String&& a_other) noexcept {
        if (this != &a_other) {
            p_free();
            p_take(a_other);
        }
        return *this;
    }
    String& operator=(view_type a_text) { return assign(a_text); }
    String& operator=(const C* a_text) { return assign(view_type(a_text)); }

    String& assign(view_type a_text) {
        // The view may point into this string, so copy through a temporary when it does.
        if (!a_text.empty() && a_text.data() >= m_data && a_text.data() <= m_data + m_size) {
            String copy(a_text);
            *this = std::move(copy);
            return *this;
        }
        m_size = 0;
        m_data[0] = C();
        return append(a_text);
    }

    size_type size() const noexcept { return m_size; }
    size_type length() const noexcept { return m_size; }
    size_type capacity() const noexcept { return m_capacity; }
    bool empty() const noexcept { return m_size == 0; }
    bool is_empty() const noexcept { return m_size == 0; }
    bool is_inline() const noexcept { return m_data == m_inline; }
    const C* data() const noexcept { return m_data; }
    C* data() noexcept { return m_data; }
    const C* c_str() const noexcept { return m_data; }
    view_type view() const noexcept { return view_type(m_data, m_size); }
    operator view_type() const noexcept { return view(); }

    const C* begin() const noexcept { return m_data; }
    const C* end() const noexcept { return m_data + m_size; }
    C* begin() noexcept { return m_data; }
    C* end() noexcept { return m_data + m_size; }

    // Unchecked like the standard strings; callers index within size().
    C operator[](size_type a_index) const noexcept { return m_data[a_index]; }
    C& operator[](size_type a_index) noexcept { return m_data[a_index]; }
    C back() const noexcept { return m_data[m_size - 1]; }

    void clear() noexcept {
        m_size = 0;
        m_data[0] = C();
    }
    void reserve(size_type a_capacity) { p_reserve(a_capacity); }
    void resize(size_type a_size, C a_fill = C()) {
        p_reserve(a_size);
        for (size_type i = m_size; i < a_size; ++i)
            m_data[i] = a_fill;
        m_size = a_size;
        m_data[m_size] = C();
    }

    String& append(C a_unit) {
        if (m_size + 1 > m_capacity)
            p_reserve(p_grown(m_size + 1));
        m_data[m_size++] = a_unit;
        m_data[m_size] = C();
        return *this;
    }
    String& append(view_type a_text) {
        if (a_text.empty())
            return *this;
        if (a_text.data() >= m_data && a_text.data() <= m_data + m_size)
            return append(String(a_text));
        if (m_size + a_text.size() > m_capacity)
            p_reserve(p_grown(m_size + a_text.size()));
        std::memcpy(m_data + m_size, a_text.data(), a_text.size() * sizeof(C));
        m_size += a_text.size();
        m_data[m_size] = C();
        return *this;
    }
    String& append(const String& a_text) { return append(a_text.view()); }
    String& append(const C* a_text) { return append(view_type(a_text)); }
    String& operator+=(C a_unit) { return append(a_unit); }
    String& operator+=(view_type a_text) { return append(a_text); }
    String& operator+=(const String& a_text) { return append(a_text.view()); }
    String& operator+=(const C* a_text) { return append(view_type(a_text)); }

    String substr(size_type a_position, size_type a_count = npos) const {
        return String(view().substr(a_position, a_count));
    }
    size_type find(C a_unit, size_type a_position = 0) const noexcept {
        return view().find(a_unit, a_position);
    }
    size_type find(view_type a_text, size_type a_position = 0) const noexcept {
        return view().find(a_text, a_position);
    }
    size_type rfind(C a_unit, size_type a_position = npos) const noexcept {
        return view().rfind(a_unit, a_position);
    }
    bool starts_with(view_type a_text) const noexcept { return view().starts_with(a_text); }
    bool ends_with(view_type a_text) const noexcept { return view().ends_with(a_text); }
    bool ends_with(C a_unit) const noexcept { return m_size > 0 && m_data[m_size - 1] == a_unit; }

    // Code unit by code unit, as unsigned values; a proper prefix sorts first.
    int compare(view_type a_other) const noexcept { return view().compare(a_other); }

    friend bool operator==(const String& a, const String& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const String& a, view_type b) noexcept { return a.view() == b; }
    friend bool operator==(const String& a, const C* b) noexcept {
        return a.view() == view_type(b);
    }
    friend std::strong_ordering operator<=>(const String& a, const String& b) noexcept {
        return a.view() <=> b.view();
    }
    friend String operator+(const String& a, view_type b) {
        String result(a);
        result.append(b);
        return result;
    }
    friend String operator+(const String& a, const String& b) { return a + b.view(); }
    friend String operator+(const String& a, const C* b) { return a + view_type(b); }
    friend String operator+(view_type a, const String& b) {
        String result(a);
        result.append(b.view());
        return result;
    }
    friend String operator+(const C* a, const String& b) { return view_type(a) + b; }

private:
    static size_type p_grown(size_type a_needed) noexcept {
        return a_needed < 2 * inline_capacity ? 2 * inline_capacity + 1 : a_needed + a_needed / 2;
    }
    void p_reserve(size_type a_capacity) {
        if (a_capacity <= m_capacity)
            return;
        C* block = new C[a_capacity + 1];
        std::memcpy(block, m_data, (m_size + 1) * sizeof(C));
        p_free();
        m_data = block;
        m_capacity = a_capacity;
    }
    void p_free() noexcept {
        if (m_data != m_inline)
            delete[] m_data;
        m_data = m_inline;
        m_capacity = inline_capacity;
    }
    void p_take(String& a_other) noexcept {
        if (a_other.m_data == a_other.m_inline) {
            std::memcpy(m_inline, a_other.m_inline, sizeof(m_inline));
            m_data = m_inline;
            m_capacity = inline_capacity;
        } else {
            m_data = a_other.m_data;
            m_capacity = a_other.m_capacity;
        }
        m_size = a_other.m_size;
        a_other.m_data = a_other.m_inline;
        a_other.m_capacity = inline_capacity;
        a_other.m_size = 0;
        a_other.m_inline[0] = C();
    }

    C* m_data = m_inline;
    size_type m_size = 0;
    size_type m_capacity = inline_capacity;
    C m_inline[inline_capacity + 1];
};

// Test output and diagnostics: UTF-16 shown as UTF-8, other units as numbers where not ASCII.
template <class C>
void PrintTo(const String<C>& a_text, std::ostream* a_stream) {
    *a_stream << '"';
    for (C unit : a_text) {
        const auto value = static_cast<unsigned long>(static_cast<std::make_unsigned_t<C>>(unit));
        if (value >= 0x20 && value < 0x7F)
            *a_stream << char(value);
        else
            *a_stream << "\\u{" << std::hex << value << std::dec << '}';
    }
    *a_stream << '"';
}

// The system's wide text: UTF-16 code units.
using WString = String<char16_t>;

} // namespace Orvo
