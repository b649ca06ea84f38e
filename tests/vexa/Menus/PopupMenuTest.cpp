#include "../HeadlessToolkit.h"

#include "vexa/Menus/PopupMenuSession.h"
#include "vexa/Menus/SystemMenuCheckboxItem.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemPopupMenu.h"

#include "orvo/Signals/MethodSlot1.h"

#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::HeadlessToolkit;

namespace {

class PopupMenus : public HeadlessToolkit {
protected:
    void SetUp() override {
        HeadlessToolkit::SetUp();
        m_owner = std::make_unique<SystemWindow>(nullptr, 0);
        m_owner->show(Modality_MODELESS);
        m_menu = new SystemPopupMenu;
        SystemMenuGenericBuilder builder;
        builder.begin(m_menu.get());
        watch(builder.add_command_item(u"Open", KeyboardShortcut::parse(u"Ctrl+O")));
        builder.begin_submenu(u"Recent");
        watch(builder.add_command_item(u"alpha"));
        watch(builder.add_command_item(u"beta"));
        builder.end_submenu();
        builder.add_separator();
        watch(builder.add_command_item(u"Greyed"))->set_enabled(false);
        m_bold = builder.add_checkbox_item(u"Bold");
        watch(m_bold);
        watch(builder.add_command_item(u"Quit"));
        builder.end();
    }
    void TearDown() override {
        m_menu.reset();
        m_owner.reset();
        HeadlessToolkit::TearDown();
    }
    SystemMenuItem* watch(SystemMenuItem* a_item) {
        a_item->m_on_activated.connect(
            new Orvo::MethodSlot1<void(SystemMenuItemEvent&), PopupMenus>(this, &PopupMenus::on));
        return a_item;
    }
    void on(SystemMenuItemEvent& a_event) {
        // The menu has closed before its item is activated.
        EXPECT_EQ(PopupMenuSession::get_open(), nullptr);
        m_chosen += std::string(a_event.item->get_label().begin(), a_event.item->get_label().end());
    }
    static NativeEvent key(unsigned a_virtual_key) {
        return HeadlessToolkit::key(NativeEventType::key_down, a_virtual_key);
    }
    std::string run(std::vector<NativeEvent> a_events) {
        m_chosen.clear();
        m_platform->push_popup_menu_answer({std::move(a_events), 0});
        const bool activated = m_menu->popup(m_owner->get_desktop());
        EXPECT_EQ(activated, !m_chosen.empty());
        return m_chosen;
    }

    std::unique_ptr<SystemWindow> m_owner;
    SharedRef<SystemPopupMenu> m_menu;
    SystemMenuItem* m_bold = nullptr;
    std::string m_chosen;
};

constexpr unsigned up = 38, down = 40, left = 37, right = 39, enter = 13, escape = 27;

TEST_F(PopupMenus, KeysNavigateLikeADesktopMenu) {
    struct Case {
        std::vector<unsigned> keys;
        const char* chosen;
    } cases[] = {
        {{down, enter}, "Open"},
        {{up, enter}, "Quit"},                            // from nothing upwards: the last row
        {{down, down, down, enter}, "Bold"},              // past the separator and the greyed item
        {{down, down, right, down, enter}, "beta"},       // into the submenu
        {{down, down, enter, enter}, "alpha"},            // Enter opens it at its first row
        {{down, down, right, left, down, enter}, "Bold"}, // Left goes back out
        {{down, down, right, escape, down, enter}, "Bold"}, // so does Escape, one level only
        {{down, down, right, escape, escape, down, enter}, ""},
        {{escape, down, enter}, ""},
        {{'B'}, "Bold"},    // the only row starting with B
        {{'G', enter}, ""}, // greyed rows cannot be reached
        {{'Q', 'X'}, "Quit"},
    };
    for (const Case& c : cases) {
        std::vector<NativeEvent> events;
        for (unsigned k : c.keys)
            events.push_back(key(k));
        EXPECT_EQ(run(events), c.chosen) << "case ending " << c.keys.back();
    }
    EXPECT_FALSE(m_bold->is_checked()); // chosen three times: toggled each time after closing
    EXPECT_EQ(m_platform->get_windows().size(), 1u); // every menu window is gone
}

TEST_F(PopupMenus, ThePointerChoosesAndAClickOutsideCancels) {
    using T = NativeEventType;
    // The release of the click that opened the menu chooses nothing; a click on a row does.
    EXPECT_EQ(run({mouse(T::button_up, 40, 8), key(up), key(enter)}), "Quit");
    EXPECT_EQ(run({mouse(T::mouse_move, 40, 8), mouse(T::button_down, 40, 8),
                   mouse(T::button_up, 40, 8)}),
              "Open");
    EXPECT_EQ(run({mouse(T::button_down, -40, 8), key(down), key(enter)}), "");
    EXPECT_EQ(run({mouse(T::button_down, 40, 8, 2), mouse(T::button_up, 40, 8, 2)}), "Open");
}

TEST_F(PopupMenus, AnswersByIdentifierAndNeverBlockWithoutOne) {
    m_platform->push_popup_menu_answer({{}, 4}); // depth-first: Open, Recent, alpha, beta
    m_chosen.clear();
    EXPECT_TRUE(m_menu->popup(m_owner->get_desktop()));
    EXPECT_EQ(m_chosen, "beta");
    m_platform->push_popup_menu_answer({{}, 0}); // cancelled
    EXPECT_FALSE(m_menu->popup(m_owner->get_desktop()));
    m_platform->push_popup_menu_answer({{}, 6}); // the greyed item
    EXPECT_FALSE(m_menu->popup_at_mouse(m_owner->get_desktop()));
    // Nobody to answer on the headless backend, and no window for a widget outside a desktop.
    EXPECT_FALSE(m_menu->popup(m_owner->get_desktop()));
    Widget loose;
    m_platform->push_popup_menu_answer({{}, 1});
    EXPECT_FALSE(m_menu->popup(&loose));
    m_owner->close();
    EXPECT_FALSE(m_menu->popup(m_owner->get_desktop()));
    EXPECT_EQ(m_chosen, "beta");
}

TEST_F(PopupMenus, AMenuTallerThanTheScreenScrollsToTheRowTheKeysReach) {
    m_menu = new SystemPopupMenu;
    SystemMenuGenericBuilder builder;
    builder.begin(m_menu.get());
    for (int i = 0; i < 60; ++i) // 60 rows of 24 pixels on a screen 800 high
        watch(builder.add_command_item(u"Item " + std::u16string(1, u'0' + i / 10) +
                                       char16_t(u'0' + i % 10)));
    builder.end();
    using T = NativeEventType;
    // Up wraps to the last row; it is scrolled into view at the bottom of the screen.
    EXPECT_EQ(run({key(up), mouse(T::mouse_move, 40, 770), mouse(T::button_down, 40, 770),
                   mouse(T::button_up, 40, 770)}),
              "Item 59");
    NativeEvent wheel = mouse(T::wheel, 40, 770);
    wheel.wheel_delta = -120; // three rows further down
    EXPECT_EQ(run({wheel, mouse(T::button_down, 40, 770), mouse(T::button_up, 40, 770)}),
              "Item 34");
}

TEST_F(PopupMenus, WindowsAnswerTheirMenusShortcutsWithTheEventsModifiers) {
    m_owner->set_menu(m_menu.get());
    NativeEvent ctrl_o = key('O');
    ctrl_o.modifiers = ShortcutModifiers_CTRL;
    m_chosen.clear();
    m_platform->send(*m_owner->get_native_window(), key('O'));
    m_platform->send(*m_owner->get_native_window(), ctrl_o);
    EXPECT_EQ(m_chosen, "Open");
}

TEST(PopupMenuPlacement, StaysBesideItsAnchorAndOnTheScreen) {
    const Size screen{1000, 800};
    struct Case {
        Rect anchor;
        int alignment;
        Size size;
        Rect expected;
    } cases[] = {
        {{100, 100, 80, 20}, 1 | 8, {200, 300}, {100, 120, 200, 300}},
        {{100, 100, 80, 20}, 2 | 8, {200, 300}, {40, 120, 200, 300}},
        {{400, 100, 80, 20}, 4 | 8, {200, 300}, {280, 120, 200, 300}},
        {{100, 100, 80, 20}, 4 | 8, {200, 300}, {100, 120, 200, 300}}, // no room on the left
        {{400, 400, 80, 20}, 1 | 16, {200, 300}, {400, 260, 200, 300}},
        {{400, 400, 80, 20}, 1 | 32, {200, 300}, {400, 100, 200, 300}},
        {{100, 100, 80, 20}, 1 | 32, {200, 300}, {100, 120, 200, 300}}, // flips below
        {{900, 700, 80, 20}, 1 | 8, {200, 300}, {780, 400, 200, 300}},  // flips above and left
        {{950, 10, 0, 0}, 1 | 8, {200, 300}, {750, 10, 200, 300}},      // at the mouse
        {{100, 100, 80, 20}, 1 | 8, {200, 900}, {100, 0, 200, 900}},    // taller than the screen
    };
    for (const Case& c : cases)
        EXPECT_EQ(PopupMenuSession::place(c.size, c.anchor, c.alignment, screen), c.expected)
            << c.anchor.x << "," << c.anchor.y << " alignment " << c.alignment;
    EXPECT_EQ(PopupMenuSession::place_beside({150, 100}, {100, 100, 200, 300}, {100, 130, 200, 24},
                                             screen),
              (Rect{297, 125, 150, 100}));
    EXPECT_EQ(PopupMenuSession::place_beside({150, 100}, {800, 100, 200, 300}, {800, 760, 200, 24},
                                             screen),
              (Rect{653, 700, 150, 100}));
}

} // namespace
