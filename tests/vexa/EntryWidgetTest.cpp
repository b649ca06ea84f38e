#include "WidgetInputFixture.h"

#include "tests/support/Listen.h"

#include "orvo/Core/Exception.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/DecimalEdit.h"
#include "vexa/Widgets/Entry.h"
#include "vexa/Widgets/IntegerEntry.h"

#include <functional>
#include <vector>

using namespace Vexa;

namespace {

class EntryWidget : public VexaTest::WidgetInput {
protected:
    void SetUp() override {
        WidgetInput::SetUp();
        m_entry = new Entry;
        open(m_entry, {10, 10, 220, 24});
        m_entry->set_focus(FocusReason_PROGRAM);
    }
    std::u16string text() const { return std::u16string(m_entry->get_text().view()); }
    // The x inside the window of the position's left edge.
    int x_of(std::size_t a_position) const {
        const auto width = [this](std::u16string_view t) {
            return double(Painter::measure_text(t, m_entry->get_font()).width);
        };
        return 10 + m_entry->get_content_rect().x +
               int(m_entry->get_model().get_x_of(a_position, width) - m_entry->get_scroll());
    }

    Entry* m_entry = nullptr;
};

struct Step {
    KeyCode key;
    bool shift;
    bool control;
};

TEST_F(EntryWidget, KeysEditTheTextThroughTheWidget) {
    struct Case {
        const char16_t* typed;
        std::vector<Step> keys;
        const char16_t* then_typed;
        const char16_t* text;
        std::size_t selection_start, selection_end;
    };
    const Step left{KeyCode_LEFT, false, false}, shift_left{KeyCode_LEFT, true, false},
        control_left{KeyCode_LEFT, false, true}, home{KeyCode_HOME, false, false},
        shift_end{KeyCode_END, true, false}, backspace{KeyCode_BACKSPACE, false, false},
        control_backspace{KeyCode_BACKSPACE, false, true}, del{KeyCode_DELETE, false, false},
        control_a{KeyCode_A, false, true}, escape{KeyCode_ESCAPE, false, false};
    const Case cases[] = {
        {u"hello", {left, left, backspace}, u"", u"helo", 2, 2},
        {u"hello", {home, shift_end}, u"x", u"x", 1, 1},
        {u"ab cd", {shift_left, shift_left}, u"", u"ab cd", 3, 5},
        {u"one two", {control_backspace}, u"", u"one ", 4, 4},
        {u"one two", {control_left, del}, u"", u"one wo", 4, 4},
        {u"abc", {control_a}, u"", u"abc", 0, 3},
        {u"abc", {escape}, u"", u"", 0, 0}, // the committed text back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        m_entry->set_text(u"");
        type(c.typed);
        for (const Step& step : c.keys)
            press(step.key, step.shift, step.control);
        type(c.then_typed);
        EXPECT_EQ(text(), c.text);
        EXPECT_EQ(m_entry->get_model().get_selection_start(), c.selection_start);
        EXPECT_EQ(m_entry->get_model().get_selection_end(), c.selection_end);
    }
}

TEST_F(EntryWidget, CopyCutAndPasteGoThroughTheToolkitClipboard) {
    type(u"Rate 0.35");
    press(KeyCode_A, false, true);
    press(KeyCode(KeyCode_A + 2), false, true);
    EXPECT_EQ(m_platform->get_clipboard_text(), std::u16string(u"Rate 0.35"));
    press(KeyCode_END);
    press(KeyCode(KeyCode_A + 21), false, true);
    EXPECT_EQ(text(), u"Rate 0.35Rate 0.35");
    press(KeyCode_HOME, true); // all but nothing: from the end back to the start
    press(KeyCode(KeyCode_A + 23), false, true);
    EXPECT_EQ(text(), u"");
    EXPECT_EQ(m_platform->get_clipboard_text(), std::u16string(u"Rate 0.35Rate 0.35"));
    // Shift+Insert pastes too; a pasted line break becomes a space.
    m_platform->set_clipboard_text(u"a\nb");
    press(KeyCode_INSERT, true);
    EXPECT_EQ(text(), u"a b");
}

TEST_F(EntryWidget, ValidationActionsDecideWhatTheExitCommitsAndReports) {
    struct Case {
        int action;
        const char16_t* text_after;
        const char16_t* committed_after;
        bool reported;
    };
    const Case cases[] = {
        {EntryValidation_ACCEPT_AND_REPORT, u"12x", u"12x", true},
        {EntryValidation_ACCEPT, u"12x", u"12x", false},
        {EntryValidation_REJECT, u"12", u"12", false},
        {EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED, u"12x", u"12x", true},
    };
    int action = 0;
    std::vector<bool> reports;
    TestSupport::listen(m_entry->m_on_validate, [&](auto& e) { e.action = action; });
    TestSupport::listen(m_entry->m_on_exit, [&](auto& e) { reports.push_back(e.changed); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        m_entry->set_text(u"12");
        action = c.action;
        type(u"x");
        press(KeyCode_ENTER);
        EXPECT_EQ(text(), c.text_after);
        EXPECT_EQ(std::u16string(m_entry->get_committed_text().view()), c.committed_after);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back(), c.reported);
    }
    // Unchanged text under action 3 reports nothing; losing the focus is an exit too.
    action = EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED;
    m_entry->set_focus(FocusReason_PROGRAM);
    m_system->get_desktop()->set_focus_widget(nullptr);
    EXPECT_FALSE(reports.back());
    EXPECT_EQ(reports.size(), 5u);

    action = 7;
    m_entry->set_focus(FocusReason_PROGRAM);
    EXPECT_EQ(VexaTest::failure([&] { m_entry->exit(); }),
              u"Entry::p_exit(): invalid validation action.");
}

TEST_F(EntryWidget, TheMouseSetsTheCaretExtendsWithShiftDragsAndSelectsWords) {
    m_entry->set_text(u"slow warm chorus");
    const int y = 20;
    mouse(NativeEventType::button_down, x_of(5), y);
    mouse(NativeEventType::button_up, x_of(5), y);
    EXPECT_EQ(m_entry->get_model().get_caret(), 5u);
    EXPECT_FALSE(m_entry->get_model().has_selection());

    key(KeyCode_LEFT_SHIFT, true);
    mouse(NativeEventType::button_down, x_of(9), y);
    mouse(NativeEventType::button_up, x_of(9), y);
    key(KeyCode_LEFT_SHIFT, false);
    EXPECT_EQ(m_entry->get_model().get_selected_text(), u"warm");

    mouse(NativeEventType::button_down, x_of(0), y);
    mouse(NativeEventType::mouse_move, x_of(4), y);
    mouse(NativeEventType::button_up, x_of(4), y);
    EXPECT_EQ(m_entry->get_model().get_selected_text(), u"slow");

    mouse(NativeEventType::button_down, x_of(12), y, true);
    mouse(NativeEventType::button_up, x_of(12), y);
    EXPECT_EQ(m_entry->get_model().get_selected_text(), u"chorus");
}

TEST_F(EntryWidget, ALongTextScrollsToKeepTheCaretInViewAndTheCaretBlinks) {
    type(u"a text much longer than the entry is wide, so it has to scroll");
    EXPECT_GT(m_entry->get_scroll(), 0.0);
    EXPECT_LT(x_of(m_entry->get_model().get_caret()), 10 + 220);
    press(KeyCode_HOME);
    EXPECT_EQ(m_entry->get_scroll(), 0.0);

    EXPECT_TRUE(m_entry->is_caret_shown());
    EXPECT_EQ(m_platform->get_timer_count(), 1u);
    m_platform->advance_time(600);
    EXPECT_FALSE(m_entry->is_caret_shown());
    m_platform->advance_time(530);
    EXPECT_TRUE(m_entry->is_caret_shown());
    m_system->get_desktop()->set_focus_widget(nullptr);
    EXPECT_FALSE(m_entry->is_caret_shown());
    EXPECT_EQ(m_platform->get_timer_count(), 0u);
}

TEST_F(EntryWidget, NumericEntriesRefuseOtherCharactersAndRestoreOutOfRangeValues) {
    auto* integer = new IntegerEntry(-5, 100, 8);
    m_window->add_child(integer);
    integer->set_geometry(10, 50, 100, 24);
    std::vector<long long> changes;
    TestSupport::listen(integer->m_on_value_changed, [&](auto& e) { changes.push_back(e.value); });
    integer->get_entry().set_focus(FocusReason_PROGRAM);
    struct Case {
        const char16_t* typed;
        long long value;
        const char16_t* shown;
    };
    const Case cases[] = {{u"4a2", 42, u"42"},
                          {u"101", 42, u"42"},
                          {u"-5", -5, u"-5"},
                          {u"--", -5, u"-5"},
                          {u"", -5, u"-5"}};
    for (const Case& c : cases) {
        press(KeyCode_A, false, true);
        press(KeyCode_DELETE);
        type(c.typed);
        press(KeyCode_ENTER);
        EXPECT_EQ(integer->get_value(), c.value);
        EXPECT_EQ(std::u16string(integer->get_entry().get_text().view()), c.shown);
    }
    EXPECT_EQ(changes, (std::vector<long long>{42, -5}));

    auto* decimal = new DecimalEdit(0.5, 40, 2, 7.25);
    m_window->add_child(decimal);
    decimal->get_entry().set_focus(FocusReason_PROGRAM);
    press(KeyCode_A, false, true);
    type(u"12,5x");
    press(KeyCode_ENTER);
    EXPECT_DOUBLE_EQ(decimal->get_value(), 12.5);
    EXPECT_EQ(std::u16string(decimal->get_entry().get_text().view()), u"12.50");
    press(KeyCode_A, false, true);
    type(u"99");
    press(KeyCode_ENTER);
    EXPECT_EQ(std::u16string(decimal->get_entry().get_text().view()), u"12.50");
}

TEST_F(EntryWidget, TheSheetGivesTheSelectionItsColours) {
    Application::get()->load_style_sheet_text(
        u"class Entry;\n  selection_background: solid_brush(#102030);\n"
        u"  selection_text_color: #405060;\nend class;\n");
    auto* styled = new Entry;
    m_window->add_child(styled);
    EXPECT_EQ(styled->m_selection_text_color, GdiPlus_Color(0xFF405060));
    EXPECT_EQ(styled->m_selection_background.get_color(), GdiPlus_Color(0xFF102030));
}

} // namespace
