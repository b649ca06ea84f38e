#include "../HeadlessToolkit.h"

#include "orvo/Core/Exception.h"
#include "tests/support/Listen.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/GuiBuilder/GuiBuilder.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/PageLayout.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/Tab.h"
#include "vexa/Widgets/TabBar.h"
#include "vexa/Widgets/Tabs.h"
#include "vexa/Window/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;
using T = NativeEventType;

namespace {

class TabsTest : public VexaTest::HeadlessBoard {
public:
    void before_board() override {
        Application::get()->load_style_sheet_text(
            u"class Tab; background: solid_brush(#202020); padding: 4px;\n"
            u"  subclass default; case shown; +shown; background: solid_brush(#3fb6a8); end case;\n"
            u"  end subclass;\n"
            u"end class;\n");
    }
    void press(unsigned a_virtual_key) {
        m_platform->send(*m_system->get_native_window(), key(T::key_down, a_virtual_key));
    }
    // Which page is displayed, and which tabs have the accent background of the "shown" case.
    std::string state(const Tabs& a_tabs) const {
        std::string result;
        for (std::size_t i = 0; i < a_tabs.get_tab_count(); ++i) {
            const bool accent =
                a_tabs.get_tab(i)->get_frame().background.get_color() == GdiPlus_Color(0xFF3FB6A8);
            EXPECT_EQ(accent, a_tabs.get_tab(i)->is_shown());
            result += a_tabs.get_page(i)->is_displayed() ? 'P' : '-';
            result += accent ? 'S' : '.';
        }
        return result;
    }

    std::vector<std::size_t> m_selections;
};

constexpr unsigned left = 37, right = 39, home = 36, end = 35;

TEST_F(TabsTest, ClicksAndKeysSwitchPagesAndTheShownTab) {
    auto* tabs = new Tabs;
    for (const char16_t* title : {u"Rate", u"Depth", u"Mix"})
        tabs->add_tab(title, new Widget);
    m_board->add_child(tabs);
    tabs->set_geometry(0, 0, 300, 200);
    TestSupport::listen(tabs->m_on_selection_changed,
                        [this](auto& a_event) { m_selections.push_back(a_event.index); });
    EXPECT_EQ(state(*tabs), "PS-.-.");
    const Rect second = tabs->get_tab(1)->get_rect(); // in the bar, at the top of the tabs
    click(*m_system, second.x + second.width / 2, second.y + second.height / 2);
    EXPECT_EQ(state(*tabs), "-.PS-.");
    EXPECT_EQ(m_system->get_desktop()->get_focus_widget(), tabs->get_tab(1));
    struct Step {
        unsigned key;
        const char* state;
    } steps[] = {{right, "-.-.PS"}, {right, "-.-.PS"}, {home, "PS-.-."},
                 {left, "PS-.-."},  {end, "-.-.PS"},   {left, "-.PS-."}};
    for (const Step& step : steps) {
        press(step.key);
        EXPECT_EQ(state(*tabs), step.state) << "key " << step.key;
    }
    tabs->select_tab(1); // already shown: nothing to report
    EXPECT_EQ(m_selections, (std::vector<std::size_t>{1, 2, 0, 2, 1}));
    EXPECT_EQ(failure([&] { tabs->select_tab(3); }), u"a_index < m_tabs.size()");
}

TEST_F(TabsTest, TheGuiBuilderOpensTabPagesOnlyInTabs) {
    GuiBuilder builder;
    builder.begin_vertical();
    EXPECT_EQ(failure([&] { builder.tab(u"Nowhere"); }), u"m_pushers.back()->is_tabs()");
    Tabs* tabs = builder.begin_tabs();
    builder.tab(u"Rate");
    auto* rate = new Widget;
    builder.push(rate);
    const auto refused = std::make_unique<Widget>(); // stays the caller's
    EXPECT_EQ(failure([&] { builder.push(refused.get()); }), u"!m_done");
    EXPECT_EQ(failure([&] { builder.tab(u"Nested"); }), u"m_pushers.back()->is_tabs()");
    builder.end();
    builder.tab(u"Depth");
    HorizontalLayout* row = builder.begin_horizontal();
    builder.push(new Widget);
    builder.end();
    builder.end();
    builder.tab(u"Empty");
    builder.end();
    builder.end();
    builder.end();
    auto* root = dynamic_cast<VerticalLayout*>(builder.take_root());
    ASSERT_TRUE(root);
    EXPECT_EQ(root->get_cell_widget(0, 0), tabs);
    ASSERT_EQ(tabs->get_tab_count(), 3u);
    EXPECT_EQ(tabs->get_tab(0)->get_title(), u"Rate");
    EXPECT_EQ(tabs->get_tab(2)->get_title(), u"Empty");
    EXPECT_EQ(tabs->get_page(0), rate);
    EXPECT_EQ(tabs->get_page(1), row);
    EXPECT_EQ(tabs->get_page(2), nullptr);
    EXPECT_EQ(tabs->get_pages()->get_page_count(), 3u);
    m_board->add_child(root); // the board owns it from here
}

} // namespace
