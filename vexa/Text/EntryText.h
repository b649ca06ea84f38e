#pragma once
// The editing state of a one-line text entry, apart from its drawing and its events: the committed
// text and the edited text, the caret and the selection anchor, the keyboard's editing commands,
// the clipboard, and where the caret lies for a given x.
//
// Positions are UTF-16 code unit indices from 0 to the text's size. The caret never rests inside
// a surrogate pair: moving, deleting and hit testing step over a pair as one character.
//
// The selection runs between the anchor and the caret; it is empty when they are equal. Moving
// with a_extend (Shift held) keeps the anchor; moving without it drops the selection.
//
// Typed and pasted characters pass the character filter (the entry's OnAcceptableCharacter) one
// by one; refused ones are left out. Control characters never go in: a pasted line break or tab
// becomes a space, so pasted lines stay apart; any other control character is dropped. The
// maximum length limits what typing and pasting add; set_text keeps a longer text whole, since
// cutting a text the program sets would lose it silently.

#include "orvo/Core/String.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string_view>

namespace Vexa {

class TextClipboard;

// What the entry's OnValidate slots choose on exit (Enter, or losing the focus).
enum EntryValidation : int {
    EntryValidation_ACCEPT_AND_REPORT = 0,
    EntryValidation_ACCEPT = 1,
    // The edited text goes back to the committed one.
    EntryValidation_REJECT = 2,
    EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED = 3,
};

class EntryText {
public:
    // The width in pixels of a text in the entry's font.
    using Measurer = std::function<double(std::u16string_view)>;
    // Whether a typed or pasted character may go in; an unpaired surrogate comes on its own.
    using CharacterFilter = std::function<bool(char32_t)>;

    static constexpr std::size_t no_limit = std::size_t(-1);

    // Sets the committed and the edited text; the caret goes to the end.
    void set_text(std::u16string_view a_text);
    // The edited text, which the entry shows.
    const Orvo::WString& get_text() const noexcept { return m_text; }
    const Orvo::WString& get_committed_text() const noexcept { return m_committed; }
    bool is_modified() const noexcept { return m_text != m_committed; }

    // In code units. Takes effect on the next edit; the text is not cut.
    void set_maximum_length(std::size_t a_length) noexcept { m_maximum_length = a_length; }
    std::size_t get_maximum_length() const noexcept { return m_maximum_length; }
    void set_character_filter(CharacterFilter a_filter) { m_filter = std::move(a_filter); }

    std::size_t get_caret() const noexcept { return m_caret; }
    std::size_t get_anchor() const noexcept { return m_anchor; }
    bool has_selection() const noexcept { return m_caret != m_anchor; }
    std::size_t get_selection_start() const noexcept { return std::min(m_caret, m_anchor); }
    std::size_t get_selection_end() const noexcept { return std::max(m_caret, m_anchor); }
    std::u16string_view get_selected_text() const noexcept;

    // Editing. Each answers whether the edited text changed.
    // Typed text replaces the selection.
    bool insert(std::u16string_view a_text);
    // Backspace (a_word: Ctrl+Backspace, back to the start of the word) and Delete (a_word: to
    // the start of the next word). With a selection, both delete the selection.
    bool delete_backward(bool a_word = false);
    bool delete_forward(bool a_word = false);

    // Caret movement: Left and Right (a_word: Ctrl, by word), Home and End. Left or Right without
    // Shift over a selection only drops it, leaving the caret at its edge on that side.
    void move_left(bool a_extend, bool a_word = false);
    void move_right(bool a_extend, bool a_word = false);
    void move_home(bool a_extend);
    void move_end(bool a_extend);
    // To a position (a mouse press, or a drag with a_extend); clamped to the text.
    void move_to(std::size_t a_position, bool a_extend);
    void select_all() noexcept;
    // The word or the run of separators at a position (a double click).
    void select_word_at(std::size_t a_position);

    // Copy and cut need a selection; without one they leave the clipboard alone and answer false.
    bool copy(TextClipboard& a_clipboard) const;
    bool cut(TextClipboard& a_clipboard);
    // Replaces the selection with the clipboard's text, filtered and limited as typing is.
    bool paste(TextClipboard& a_clipboard);

    // The exit with the action the OnValidate slots chose; answers whether to report a change.
    // An action outside EntryValidation throws Orvo::Exception and changes nothing.
    bool apply_validation(int a_action);
    // Escape: the edited text goes back to the committed one, no exit, nothing reported.
    void revert();

    // Geometry, in the coordinates of the text's start (the widget subtracts its scroll offset).
    double get_x_of(std::size_t a_position, const Measurer& a_measure) const;
    // The caret position nearest to x: the mouse places the caret there.
    std::size_t get_position_at(double a_x, const Measurer& a_measure) const;
    // The scroll offset, starting from a_scroll, that keeps the caret inside a view a_width wide
    // and leaves no empty space at the right while the text could fill it.
    double scroll_to_caret(double a_scroll, double a_width, const Measurer& a_measure) const;

private:
    std::size_t p_previous(std::size_t a_position) const noexcept;
    std::size_t p_next(std::size_t a_position) const noexcept;
    std::size_t p_previous_word(std::size_t a_position) const noexcept;
    std::size_t p_next_word(std::size_t a_position) const noexcept;
    std::size_t p_boundary(std::size_t a_position) const noexcept;
    bool p_is_word_unit(std::size_t a_position) const noexcept;
    bool p_replace_selection(std::u16string_view a_text);
    void p_erase(std::size_t a_from, std::size_t a_to);
    void p_place(std::size_t a_caret, bool a_extend) noexcept;

    Orvo::WString m_text;
    Orvo::WString m_committed;
    CharacterFilter m_filter;
    std::size_t m_maximum_length = no_limit;
    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;
};

} // namespace Vexa
