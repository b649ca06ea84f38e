#include "vexa/Text/EntryText.h"

#include "orvo/Core/Exception.h"
#include "vexa/Text/TextClipboard.h"

#include <vector>

namespace Vexa {

namespace {

bool p_is_high_surrogate(char16_t a_unit) noexcept {
    return a_unit >= 0xD800 && a_unit <= 0xDBFF;
}

bool p_is_low_surrogate(char16_t a_unit) noexcept {
    return a_unit >= 0xDC00 && a_unit <= 0xDFFF;
}

// What of a typed or pasted text may go in, before the length limit.
Orvo::WString p_acceptable(std::u16string_view a_text, const EntryText::CharacterFilter& a_filter) {
    Orvo::WString result;
    for (std::size_t i = 0; i < a_text.size(); ++i) {
        const char16_t unit = a_text[i];
        char32_t character = unit;
        std::size_t length = 1;
        if (p_is_high_surrogate(unit) && i + 1 < a_text.size() &&
            p_is_low_surrogate(a_text[i + 1])) {
            character = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (a_text[i + 1] - 0xDC00);
            length = 2;
        }
        if (character == u'\r' && i + 1 < a_text.size() && a_text[i + 1] == u'\n')
            ++length;
        if (character == u'\r' || character == u'\n' || character == u'\t')
            character = u' ';
        else if (character < 0x20 || character == 0x7F)
            character = 0;
        if (character != 0 && (!a_filter || a_filter(character)))
            result.append(character == u' ' ? std::u16string_view(u" ") : a_text.substr(i, length));
        i += length - 1;
    }
    return result;
}

} // namespace

void EntryText::set_text(std::u16string_view a_text) {
    m_committed = Orvo::WString(a_text);
    m_text = m_committed;
    m_caret = m_anchor = m_text.size();
}

std::u16string_view EntryText::get_selected_text() const noexcept {
    return m_text.view().substr(get_selection_start(), get_selection_end() - get_selection_start());
}

bool EntryText::insert(std::u16string_view a_text) {
    return p_replace_selection(a_text);
}

bool EntryText::delete_backward(bool a_word) {
    if (has_selection()) {
        p_erase(get_selection_start(), get_selection_end());
        return true;
    }
    const std::size_t from = a_word ? p_previous_word(m_caret) : p_previous(m_caret);
    if (from == m_caret)
        return false;
    p_erase(from, m_caret);
    return true;
}

bool EntryText::delete_forward(bool a_word) {
    if (has_selection()) {
        p_erase(get_selection_start(), get_selection_end());
        return true;
    }
    const std::size_t to = a_word ? p_next_word(m_caret) : p_next(m_caret);
    if (to == m_caret)
        return false;
    p_erase(m_caret, to);
    return true;
}

void EntryText::move_left(bool a_extend, bool a_word) {
    if (!a_extend && !a_word && has_selection())
        p_place(get_selection_start(), false);
    else
        p_place(a_word ? p_previous_word(m_caret) : p_previous(m_caret), a_extend);
}

void EntryText::move_right(bool a_extend, bool a_word) {
    if (!a_extend && !a_word && has_selection())
        p_place(get_selection_end(), false);
    else
        p_place(a_word ? p_next_word(m_caret) : p_next(m_caret), a_extend);
}

void EntryText::move_home(bool a_extend) {
    p_place(0, a_extend);
}

void EntryText::move_end(bool a_extend) {
    p_place(m_text.size(), a_extend);
}

void EntryText::move_to(std::size_t a_position, bool a_extend) {
    p_place(p_boundary(a_position), a_extend);
}

void EntryText::select_all() noexcept {
    m_anchor = 0;
    m_caret = m_text.size();
}

void EntryText::select_word_at(std::size_t a_position) {
    if (m_text.empty())
        return;
    const std::size_t unit = std::min(p_boundary(a_position), m_text.size() - 1);
    const bool word = p_is_word_unit(unit);
    std::size_t start = unit;
    while (start > 0 && p_is_word_unit(start - 1) == word)
        --start;
    std::size_t end = unit;
    while (end < m_text.size() && p_is_word_unit(end) == word)
        ++end;
    m_anchor = start;
    m_caret = end;
}

bool EntryText::copy(TextClipboard& a_clipboard) const {
    return has_selection() && a_clipboard.set_text(get_selected_text());
}

bool EntryText::cut(TextClipboard& a_clipboard) {
    // The text leaves the entry only once the clipboard holds it.
    if (!copy(a_clipboard))
        return false;
    p_erase(get_selection_start(), get_selection_end());
    return true;
}

bool EntryText::paste(TextClipboard& a_clipboard) {
    Orvo::WString text;
    return a_clipboard.get_text(text) && p_replace_selection(text.view());
}

bool EntryText::apply_validation(int a_action) {
    switch (a_action) {
    case EntryValidation_ACCEPT_AND_REPORT:
        m_committed = m_text;
        return true;
    case EntryValidation_ACCEPT:
        m_committed = m_text;
        return false;
    case EntryValidation_REJECT:
        revert();
        return false;
    case EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED: {
        const bool changed = is_modified();
        m_committed = m_text;
        return changed;
    }
    default:
        throw Orvo::Exception(u"Entry::p_exit(): invalid validation action.");
    }
}

void EntryText::revert() {
    m_text = m_committed;
    m_caret = m_anchor = m_text.size();
}

double EntryText::get_x_of(std::size_t a_position, const Measurer& a_measure) const {
    return a_measure(m_text.view().substr(0, p_boundary(a_position)));
}

std::size_t EntryText::get_position_at(double a_x, const Measurer& a_measure) const {
    std::vector<std::size_t> boundaries;
    for (std::size_t position = 0;; position = p_next(position)) {
        boundaries.push_back(position);
        if (position == m_text.size())
            break;
    }
    // Widths of prefixes grow with their length: the first boundary at or right of x, then the
    // nearer of it and the one before.
    std::size_t low = 0;
    std::size_t high = boundaries.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (get_x_of(boundaries[middle], a_measure) < a_x)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == boundaries.size())
        return m_text.size();
    if (low == 0)
        return 0;
    const double left = get_x_of(boundaries[low - 1], a_measure);
    const double right = get_x_of(boundaries[low], a_measure);
    return a_x - left < right - a_x ? boundaries[low - 1] : boundaries[low];
}

double EntryText::scroll_to_caret(double a_scroll, double a_width,
                                  const Measurer& a_measure) const {
    const double caret = get_x_of(m_caret, a_measure);
    const double total = get_x_of(m_text.size(), a_measure);
    double scroll = std::min(a_scroll, std::max(0.0, total - a_width));
    if (caret < scroll)
        scroll = caret;
    else if (caret > scroll + a_width)
        scroll = caret - a_width;
    return std::max(0.0, scroll);
}

std::size_t EntryText::p_previous(std::size_t a_position) const noexcept {
    if (a_position == 0)
        return 0;
    --a_position;
    if (a_position > 0 && p_is_low_surrogate(m_text[a_position]) &&
        p_is_high_surrogate(m_text[a_position - 1]))
        --a_position;
    return a_position;
}

std::size_t EntryText::p_next(std::size_t a_position) const noexcept {
    if (a_position >= m_text.size())
        return m_text.size();
    if (p_is_high_surrogate(m_text[a_position]) && a_position + 1 < m_text.size() &&
        p_is_low_surrogate(m_text[a_position + 1]))
        return a_position + 2;
    return a_position + 1;
}

std::size_t EntryText::p_previous_word(std::size_t a_position) const noexcept {
    while (a_position > 0 && !p_is_word_unit(a_position - 1))
        --a_position;
    while (a_position > 0 && p_is_word_unit(a_position - 1))
        --a_position;
    return a_position;
}

std::size_t EntryText::p_next_word(std::size_t a_position) const noexcept {
    while (a_position < m_text.size() && p_is_word_unit(a_position))
        ++a_position;
    while (a_position < m_text.size() && !p_is_word_unit(a_position))
        ++a_position;
    return a_position;
}

std::size_t EntryText::p_boundary(std::size_t a_position) const noexcept {
    a_position = std::min(a_position, m_text.size());
    if (a_position > 0 && a_position < m_text.size() && p_is_low_surrogate(m_text[a_position]) &&
        p_is_high_surrogate(m_text[a_position - 1]))
        --a_position;
    return a_position;
}

// Letters, digits and the underscore make words. Everything outside ASCII counts as a letter:
// without the character tables of Unicode that keeps accented words and scripts whole.
bool EntryText::p_is_word_unit(std::size_t a_position) const noexcept {
    const char16_t unit = m_text[a_position];
    return unit >= 0x80 || unit == u'_' || (unit >= u'0' && unit <= u'9') ||
           (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

bool EntryText::p_replace_selection(std::u16string_view a_text) {
    Orvo::WString accepted = p_acceptable(a_text, m_filter);
    const std::size_t start = get_selection_start();
    const std::size_t kept = m_text.size() - (get_selection_end() - start);
    if (m_maximum_length != no_limit) {
        std::size_t room = m_maximum_length > kept ? m_maximum_length - kept : 0;
        if (room < accepted.size()) {
            if (room > 0 && p_is_high_surrogate(accepted[room - 1]))
                --room;
            accepted = accepted.substr(0, room);
        }
    }
    if (accepted.empty())
        return false;
    Orvo::WString text = m_text.substr(0, start);
    text.append(accepted.view());
    text.append(m_text.view().substr(get_selection_end()));
    m_text = std::move(text);
    m_caret = m_anchor = start + accepted.size();
    return true;
}

void EntryText::p_erase(std::size_t a_from, std::size_t a_to) {
    Orvo::WString text = m_text.substr(0, a_from);
    text.append(m_text.view().substr(a_to));
    m_text = std::move(text);
    m_caret = m_anchor = a_from;
}

void EntryText::p_place(std::size_t a_caret, bool a_extend) noexcept {
    m_caret = a_caret;
    if (!a_extend)
        m_anchor = a_caret;
}

} // namespace Vexa
