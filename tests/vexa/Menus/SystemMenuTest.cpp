#include "../HeadlessToolkit.h"
#include "vexa/Menus/SystemMenuCheckboxItem.h"
#include "vexa/Menus/SystemMenuCommandItem.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemMenuSubmenuItem.h"
#include "vexa/Menus/SystemPopupMenu.h"

#include "tests/support/Listen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;

namespace {

std::string narrow(std::u16string_view a_text) {
    return std::string(a_text.begin(), a_text.end());
}

TEST(KeyboardShortcuts, ParseAndShowLikeTheMenus) {
    struct Case {
        std::u16string_view text;
        int key;
        unsigned modifiers;
        const char* shown;
    } cases[] = {
        {u"Shift+Ctrl+S", KeyCode_A + 18, 6, "Shift+Ctrl+S"},
        {u"Ctrl+Shift+S", KeyCode_A + 18, 6, "Shift+Ctrl+S"}, // shown in the fixed order
        {u"Control+Alt+4", KeyCode_0 + 4, 3, "Ctrl+Alt+4"},
        {u"Alt+Z", KeyCode_A + 25, 1, "Alt+Z"},
        {u"A+B+Ctrl", KeyCode_A, 0, "A"},  // the first key ends the reading
        {u"Ctrl+F5", KeyCode_NONE, 2, ""}, // unknown words are skipped: no key
        {u"shift+a", KeyCode_NONE, 0, ""}, // words and letters are case-sensitive
        {u"", KeyCode_NONE, 0, ""},
        {u"++Shift++0", KeyCode_0, 4, "Shift+0"},
    };
    for (const Case& c : cases) {
        const KeyboardShortcut shortcut = KeyboardShortcut::parse(c.text);
        EXPECT_EQ(shortcut.key, c.key) << narrow(c.text);
        EXPECT_EQ(shortcut.modifiers, c.modifiers) << narrow(c.text);
        EXPECT_EQ(shortcut.get_code(), int((c.modifiers << 8) + unsigned(c.key))) << narrow(c.text);
        EXPECT_EQ(narrow(shortcut.get_text()), c.shown) << narrow(c.text);
    }
}

TEST(KeyboardShortcutTables, KeepValuesPerCodeInOrderAndRefuseEmptyShortcuts) {
    KeyboardShortcutTable<int> table;
    const auto ctrl_s = KeyboardShortcut::parse(u"Ctrl+S");
    EXPECT_EQ(table.add_value(ctrl_s, 10), 0u);
    EXPECT_EQ(table.add_value(ctrl_s, 20), 1u);
    EXPECT_TRUE(table.get_values(KeyboardShortcut::parse(u"S")).empty());
    table.remove_value(ctrl_s, 0);
    EXPECT_EQ(table.get_values(ctrl_s), std::vector<int>{20});
    EXPECT_THROW(table.remove_value(ctrl_s, 1), Orvo::Exception);
    EXPECT_EQ(failure([&] { table.add_value(KeyboardShortcut(), 1); }), u"!a_shortcut.is_empty()");
}

// Records activations with the checked state the slot saw.
struct Recorder {
    std::vector<std::string> log;
    void on_activated(SystemMenuItemEvent& a_event) {
        log.push_back(narrow(a_event.item->get_label()) +
                      (a_event.item->is_checked() ? " (checked)" : ""));
    }
    void watch(SystemMenuItem* a_item) {
        TestSupport::listen(a_item->m_on_activated, [this](auto& e) { on_activated(e); });
    }
};

TEST(SystemMenus, BuildATreeWithPositionsNumbersAndDisplayTexts) {
    SharedRef<SystemPopupMenu> menu(new SystemPopupMenu);
    SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    auto* save = builder.add_command_item(u"Save", KeyboardShortcut::parse(u"Ctrl+Shift+S"));
    auto* recent = builder.begin_submenu(u"Recent");
    auto* first = builder.add_command_item(u"a.preset");
    EXPECT_THROW(builder.end(), Orvo::Exception); // a submenu is still open
    builder.end_submenu();
    auto* separator = builder.add_separator();
    auto* quit = builder.add_command_item(u"Quit");
    builder.end();
    EXPECT_THROW(builder.end_submenu(), Orvo::Exception);
    builder.begin(menu.get());
    EXPECT_EQ(failure([&] { builder.begin(menu.get()); }), u"m_menus.empty()");

    EXPECT_EQ(menu->get_item_count(), 4);
    EXPECT_EQ(quit->get_position(), 3);
    EXPECT_EQ(quit->get_previous(), separator);
    EXPECT_EQ(save->get_next(), recent);
    EXPECT_EQ(first->get_parent(), recent->get_submenu());
    EXPECT_EQ(recent->get_submenu()->get_root(), menu.get());
    EXPECT_EQ(narrow(save->get_display_text()), "Save\tShift+Ctrl+S");
    EXPECT_EQ(narrow(quit->get_display_text()), "Quit\t");
    EXPECT_EQ(separator->get_display_text(), u"");

    EXPECT_EQ(menu->number_items(), 5u); // depth-first: Save, Recent, a.preset, separator, Quit
    EXPECT_EQ(first->get_command_id(), 3u);
    EXPECT_EQ(menu->find_item(5), quit);
    EXPECT_EQ(menu->find_item(0), nullptr);
    EXPECT_EQ(menu->find_item(6), nullptr);

    // Bad trees are refused: an item in two menus, a submenu inside itself.
    EXPECT_THROW(recent->get_submenu()->append(quit), Orvo::Exception);
    SharedRef<SystemMenuSubmenuItem> loop(new SystemMenuSubmenuItem(u"Loop"));
    EXPECT_THROW(loop->get_submenu()->append(loop.get()), Orvo::Exception);
    auto* inner = new SystemMenuSubmenuItem(u"Inner");
    loop->get_submenu()->append(inner);
    EXPECT_THROW(inner->get_submenu()->append(loop.get()), Orvo::Exception);
}

TEST(SystemMenus, ActivationEmitsFirstThenAppliesTheCheckRule) {
    SharedRef<SystemMenu> menu(new SystemMenu);
    SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    auto* box = builder.add_checkbox_item(u"Box");
    auto* manual = builder.add_checkbox_item(u"Manual", {}, true);
    manual->set_auto_check(false);
    auto* r1 = builder.add_radio_item(u"R1", {}, true);
    auto* r2 = builder.add_radio_item(u"R2");
    auto* r3 = builder.add_radio_item(u"R3");
    builder.add_separator();
    auto* r4 = builder.add_radio_item(u"R4", {}, true); // another group behind the separator
    builder.end();
    Recorder recorder;
    for (SystemMenuItem* item :
         {static_cast<SystemMenuItem*>(box), static_cast<SystemMenuItem*>(manual),
          static_cast<SystemMenuItem*>(r3), static_cast<SystemMenuItem*>(r1)})
        recorder.watch(item);

    box->activate();
    manual->activate();
    r3->activate();
    r3->activate(); // a checked radio item stays checked
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{"Box", "Manual (checked)", "R3", "R3 (checked)"}));
    EXPECT_TRUE(box->is_checked());
    EXPECT_TRUE(manual->is_checked());
    EXPECT_FALSE(r1->is_checked());
    EXPECT_FALSE(r2->is_checked());
    EXPECT_TRUE(r3->is_checked());
    EXPECT_TRUE(r4->is_checked());

    // Appending a checked radio item unchecks its neighbours at once.
    auto* r5 = new SystemMenuCheckboxItem(u"R5", {}, true, true);
    menu->append(r5);
    EXPECT_FALSE(r4->is_checked());
    EXPECT_TRUE(r5->is_checked());
}

TEST(SystemMenus, ShortcutsActivateTheFirstItemBoundAnywhereInTheTree) {
    SharedRef<SystemMenu> menu(new SystemMenu);
    SystemMenuGenericBuilder builder;
    builder.begin(menu.get());
    auto* first = builder.add_command_item(u"First", KeyboardShortcut::parse(u"Ctrl+S"));
    builder.begin_submenu(u"More");
    auto* second = builder.add_command_item(u"Second", KeyboardShortcut::parse(u"Ctrl+S"));
    auto* deep = builder.add_command_item(u"Deep", KeyboardShortcut::parse(u"Alt+D"));
    builder.end_submenu();
    auto* greyed = builder.add_command_item(u"Greyed", KeyboardShortcut::parse(u"G"));
    greyed->set_enabled(false);
    auto* modifier = builder.add_command_item(u"Modifier");
    modifier->set_shortcut(KeyboardShortcut(KeyCode_LEFT_CONTROL, ShortcutModifiers_CTRL));
    builder.end();
    Recorder recorder;
    for (SystemMenuItem* item : {first, second, deep, greyed, modifier})
        recorder.watch(item);

    EXPECT_TRUE(menu->try_shortcut(KeyCode(KeyCode_A + 18), ShortcutModifiers_CTRL));
    EXPECT_TRUE(menu->try_shortcut(KeyCode(KeyCode_A + 3), ShortcutModifiers_ALT));
    EXPECT_FALSE(menu->try_shortcut(KeyCode(KeyCode_A + 18), ShortcutModifiers_NONE));
    EXPECT_FALSE(menu->try_shortcut(KeyCode(KeyCode_A + 6), ShortcutModifiers_NONE));
    EXPECT_FALSE(menu->try_shortcut(KeyCode_LEFT_CONTROL, ShortcutModifiers_CTRL));
    // Rebinding the first item leaves the second one answering.
    first->set_shortcut(KeyboardShortcut::parse(u"Ctrl+Q"));
    EXPECT_TRUE(menu->try_shortcut(KeyCode(KeyCode_A + 18), ShortcutModifiers_CTRL));
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"First", "Deep", "Second"}));

    // An item someone still holds leaves the table with its menu.
    SharedRef<SystemMenuItem> held(deep);
    menu.reset();
    EXPECT_EQ(deep->get_parent(), nullptr);
    deep->set_shortcut(KeyboardShortcut::parse(u"Alt+E"));
    deep->activate();
    EXPECT_EQ(recorder.log.back(), "Deep");
}

} // namespace
