// The text entry's editing model: keys, selection, clipboard and caret geometry (the exit's
// validation is tested through the widget).

#include "vexa/Text/EntryText.h"
#include "vexa/Text/TextClipboard.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using Vexa::EntryText;

namespace {

class FakeClipboard : public Vexa::TextClipboard {
public:
    bool get_text(Orvo::WString& a_text) override {
        a_text = m_text;
        return m_holds_text;
    }
    bool set_text(std::u16string_view a_text) override {
        if (m_refuses)
            return false;
        m_text = Orvo::WString(a_text);
        m_holds_text = true;
        return true;
    }
    Orvo::WString m_text;
    bool m_holds_text = false;
    bool m_refuses = false;
};

// "[" marks the anchor and "|" the caret; one mark when they are equal.
std::u16string marked(const EntryText& a_entry) {
    std::u16string text(a_entry.get_text().view());
    if (a_entry.has_selection())
        text.insert(a_entry.get_anchor(), 1, u'[');
    const std::size_t caret = a_entry.get_caret() + (a_entry.get_anchor() < a_entry.get_caret());
    text.insert(a_entry.has_selection() ? caret : a_entry.get_caret(), 1, u'|');
    return text;
}

EntryText entry(std::u16string_view a_text, std::size_t a_anchor, std::size_t a_caret) {
    EntryText result;
    result.set_text(a_text);
    result.move_to(a_anchor, false);
    result.move_to(a_caret, true);
    return result;
}

struct EditCase {
    const char* what;
    std::u16string_view text;
    std::size_t anchor;
    std::size_t caret;
    std::function<bool(EntryText&)> edit;
    std::u16string_view expected;
};

TEST(EntryText, KeysEditAndMoveLikeADesktopTextField) {
    const std::u16string_view clef = u"a\U0001D11Eb"; // a pair between two letters
    const EditCase cases[] = {
        {"typing replaces the selection", u"Hello World", 6, 11,
         [](EntryText& e) { return e.insert(u"There"); }, u"Hello There|"},
        {"Backspace removes a surrogate pair whole", clef, 3, 3,
         [](EntryText& e) { return e.delete_backward(); }, u"a|b"},
        {"Ctrl+Backspace removes the word and the spaces after it", u"one two  ", 9, 9,
         [](EntryText& e) { return e.delete_backward(true); }, u"one |"},
        {"Ctrl+Delete removes up to the next word", u"one two", 0, 0,
         [](EntryText& e) { return e.delete_forward(true); }, u"|two"},
        {"Shift+Left extends over a pair", clef, 3, 3,
         [](EntryText& e) { return e.move_left(true), false; }, u"a|\U0001D11E[b"},
        {"Left without Shift only drops the selection", u"abcd", 1, 3,
         [](EntryText& e) { return e.move_left(false), false; }, u"a|bcd"},
        {"Ctrl+Right goes to the next word's start", u"gain, dB", 0, 0,
         [](EntryText& e) { return e.move_right(false, true), false; }, u"gain, |dB"},
        {"Ctrl+Shift+Left from the end selects the last word", u"one two", 7, 7,
         [](EntryText& e) { return e.move_left(true, true), false; }, u"one |two["},
        {"a mouse position inside a pair snaps before it", clef, 0, 0,
         [](EntryText& e) { return e.move_to(2, false), false; }, u"a|\U0001D11Eb"},
        {"a double click selects the word", u"wet mix", 5, 5,
         [](EntryText& e) { return e.select_word_at(5), false; }, u"wet [mix|"},
        {"control characters never go in, line breaks become spaces", u"", 0, 0,
         [](EntryText& e) { return e.insert(u"a\r\nb\x01\tc"); }, u"a b c|"},
    };
    for (const EditCase& c : cases) {
        EntryText e = entry(c.text, c.anchor, c.caret);
        const bool changed = c.edit(e);
        EXPECT_EQ(marked(e), c.expected) << c.what;
        EXPECT_EQ(changed, e.get_text() != c.text) << c.what;
    }
}

TEST(EntryText, TheFilterAndTheLimitDecideWhatGoesIn) {
    EntryText e = entry(u"12", 2, 2);
    e.set_character_filter([](char32_t a_c) { return a_c >= U'0' && a_c <= U'9'; });
    e.set_maximum_length(5);
    EXPECT_FALSE(e.insert(u"x")) << "a refused character leaves all as it was";
    EXPECT_TRUE(e.insert(u"3a4 5678"));
    EXPECT_EQ(marked(e), u"12345|") << "refused ones dropped, the rest cut at the limit";
    e.select_all();
    EXPECT_TRUE(e.insert(u"9")) << "a selection's length is room for the new text";
    EXPECT_EQ(marked(e), u"9|");

    EntryText pairs = entry(u"abc", 3, 3);
    pairs.set_maximum_length(4);
    EXPECT_FALSE(pairs.insert(u"\U0001D11E")) << "half a pair never goes in";
    pairs.set_text(u"longer than the limit");
    EXPECT_EQ(pairs.get_text(), u"longer than the limit") << "the program's text is not cut";
}

TEST(EntryText, CutCopyAndPasteGoThroughTheClipboard) {
    FakeClipboard clipboard;
    EntryText e = entry(u"Hello World", 5, 11);
    EXPECT_TRUE(e.cut(clipboard));
    EXPECT_EQ(clipboard.m_text, u" World");
    EXPECT_EQ(marked(e), u"Hello|");
    e.move_home(false);
    EXPECT_TRUE(e.paste(clipboard));
    EXPECT_EQ(marked(e), u" World|Hello");

    EXPECT_FALSE(e.copy(clipboard)) << "nothing selected";
    e.select_all();
    clipboard.m_refuses = true;
    EXPECT_FALSE(e.cut(clipboard));
    EXPECT_EQ(e.get_text(), u" WorldHello") << "a failed cut loses nothing";
}

TEST(EntryText, TheCaretGoesToTheNearestGapUnderTheMouse) {
    // Ten pixels a character; a surrogate pair is one character.
    const EntryText::Measurer measure = [](std::u16string_view a_text) {
        std::size_t characters = 0;
        for (const char16_t unit : a_text)
            characters += unit < 0xDC00 || unit > 0xDFFF;
        return 10.0 * double(characters);
    };
    const EntryText e = entry(u"ab\U0001D11Ec", 0, 0);
    const std::pair<double, std::size_t> positions[] = {{-5, 0}, {4, 0},  {6, 1},  {15, 2}, {24, 2},
                                                        {26, 4}, {34, 4}, {36, 5}, {900, 5}};
    for (const auto& [x, position] : positions)
        EXPECT_EQ(e.get_position_at(x, measure), position) << x;

    EntryText long_text = entry(std::u16string(20, u'x'), 20, 20);
    EXPECT_EQ(long_text.scroll_to_caret(0, 100, measure), 100.0) << "caret at the end in view";
    long_text.move_to(3, false);
    EXPECT_EQ(long_text.scroll_to_caret(100, 100, measure), 30.0);
    long_text.set_text(u"short");
    EXPECT_EQ(long_text.scroll_to_caret(30, 100, measure), 0.0) << "no empty space at the right";
}

} // namespace
