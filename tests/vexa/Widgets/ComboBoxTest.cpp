#include "../HeadlessToolkit.h"

#include "orvo/Core/Exception.h"
#include "tests/support/Listen.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/Choice.h"
#include "vexa/Window/Window.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;
using T = NativeEventType;

namespace {

// Apple, a Citrus submenu of Lemon and a greyed Lime, then Pear: the pop-up numbers them 1, 2
// (the submenu), 3, 4, 5.
class FruitBox : public ComboBox {
protected:
    void build_item_tree(ComboBoxItemTreeBuilder& a_builder) override {
        a_builder.add_item(u"Apple", 10, get_text() == u"Apple");
        a_builder.begin_submenu(u"Citrus");
        a_builder.add_item(u"Lemon", 11, get_text() == u"Lemon");
        a_builder.add_item(u"Lime", 12, get_text() == u"Lime", false);
        a_builder.end_submenu();
        a_builder.add_item(u"Pear", 13, get_text() == u"Pear");
    }
};

class ComboBoxes : public VexaTest::HeadlessBoard {
public:
    template <class W>
    W* show(W* a_box) {
        m_board->add_child(a_box);
        a_box->set_geometry(20, 20, 160, 24);
        connect_chosen(a_box);
        return a_box;
    }
    void connect_chosen(ComboBox* a_box) {
        TestSupport::listen(a_box->m_on_item_chosen, [this](auto& e) { m_chosen.push_back(e.id); });
    }
    void send(const NativeEvent& a_event) {
        m_platform->send(*m_system->get_native_window(), a_event);
    }
    void press(unsigned a_virtual_key, unsigned a_modifiers = 0) {
        NativeEvent event = key(T::key_down, a_virtual_key);
        event.modifiers = a_modifiers;
        send(event);
        send(key(T::key_up, a_virtual_key));
    }
    void wheel(int a_delta) {
        NativeEvent event = mouse(T::wheel, 40, 30);
        event.wheel_delta = a_delta;
        send(event);
    }

    std::vector<std::size_t> m_chosen, m_added, m_selections;
};

constexpr unsigned up = 38, down = 40, space = 32, enter = 13;

TEST_F(ComboBoxes, MeasureTextArrowAreaAndSpacing) {
    auto* box = show(new ComboBox);
    box->set_paddings({2, 3, 5, 1});
    const double average = Painter::measure_text(u"MXMXMXMXMX", box->get_font()).width / 10.0;
    struct Case {
        int characters, arrow_box, space;
    } cases[] = {{0, 16, 4}, {0, 0, 0}, {1, 16, 4}, {12, 20, 6}, {-3, 10, 2}};
    for (const Case& c : cases) {
        box->set_width_in_characters(c.characters);
        box->set_arrow_box_width(c.arrow_box);
        box->set_text_arrow_space(c.space);
        const int text = int(std::lround(average * std::max(c.characters, 0)));
        const auto& sizes = box->get_requested_sizes();
        EXPECT_EQ(sizes.get_minimum_width(), 3 + 5 + text + c.arrow_box + c.space)
            << c.characters << " characters";
        EXPECT_EQ(sizes.get_requested_width(), sizes.get_minimum_width());
        EXPECT_EQ(sizes.get_maximum_width(), widget_size_limit);
        EXPECT_EQ(sizes.get_maximum_height(), widget_size_limit);
        EXPECT_GT(sizes.get_minimum_height(), 3); // a line of text above the paddings
    }
}

TEST_F(ComboBoxes, TheSheetGivesTheArrowAreaAndSpacing) {
    Application::get()->load_style_sheet_text(
        u"class ComboBox; arrow_box_width: 21px; text_arrow_space: 7px; arrow_length: 5px;\n"
        u"  arrow_offset: 1px; arrow_breadth: 9px;\n"
        u"end class;\n");
    auto* box = show(new Choice); // styled by its base's block
    box->set_width_in_characters(0);
    EXPECT_EQ(box->get_requested_sizes().get_minimum_width(), 28);
    EXPECT_EQ(box->get_arrow_length(), 5.f);
    EXPECT_EQ(box->get_arrow_offset(), 1.f);
    EXPECT_EQ(box->get_arrow_breadth(), 9.f);
}

TEST_F(ComboBoxes, TheMouseChoosesFromThePopupAndItsSubmenu) {
    auto* box = show(new FruitBox);
    struct Case {
        unsigned answer;
        std::vector<NativeEvent> events;
        const char16_t* text;
    } cases[] = {
        {3, {}, u"Lemon"}, {0, {}, u"Lemon"}, // cancelled
        {4, {}, u"Lemon"},                    // the greyed Lime
        {2, {}, u"Lemon"},                    // a submenu row chooses nothing
        {5, {}, u"Pear"},  {0, {key(T::key_down, down), key(T::key_down, enter)}, u"Apple"},
    };
    for (const Case& c : cases) {
        m_platform->push_popup_menu_answer({c.events, c.answer});
        click(*m_system, 40, 30);
        EXPECT_EQ(box->get_text(), c.text) << "answer " << c.answer;
    }
    EXPECT_EQ(m_chosen, (std::vector<std::size_t>{11, 13, 10}));
    EXPECT_EQ(m_system->get_desktop()->get_focus_widget(), box);
    EXPECT_EQ(m_platform->get_windows().size(), 1u); // no pop-up left behind
}

TEST_F(ComboBoxes, KeysAndWheelStepThroughTheItemsAndStopAtTheEnds) {
    auto* box = show(new FruitBox);
    box->set_focus(FocusReason_PROGRAM);
    struct Step {
        std::function<void()> input;
        const char16_t* text;
    } steps[] = {
        {[&] { press(up); }, u"Pear"},   // nothing chosen yet: Up starts at the end
        {[&] { press(down); }, u"Pear"}, // the last one stays
        {[&] { press(up); }, u"Lemon"},  // over the greyed Lime
        {[&] { press(up); }, u"Apple"},
        {[&] { press(up); }, u"Apple"},
        {[&] { wheel(-120); }, u"Lemon"}, // towards the user: down the list
        {[&] { wheel(-360); }, u"Pear"},  // clamped
        {[&] { wheel(120); }, u"Lemon"},
        {[&] { wheel(60); }, u"Lemon"}, // half a notch waits for the other half
        {[&] { wheel(60); }, u"Apple"},
        {[&] { wheel(480); }, u"Apple"},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].input();
        EXPECT_EQ(box->get_text(), steps[i].text) << "step " << i;
    }
    EXPECT_EQ(m_chosen, (std::vector<std::size_t>{13, 11, 10, 11, 13, 11, 10}));
    // Space, Enter and Alt+Down open the pop-up; plain Down does not.
    const struct {
        unsigned key, modifiers;
        const char16_t* text;
    } openers[] = {{space, 0, u"Lemon"}, {enter, 0, u"Pear"}, {down, 1, u"Apple"}};
    const unsigned answers[] = {3, 5, 1};
    for (std::size_t i = 0; i < std::size(openers); ++i) {
        m_platform->push_popup_menu_answer({{}, answers[i]});
        press(openers[i].key, openers[i].modifiers);
        EXPECT_EQ(box->get_text(), openers[i].text) << "opener " << i;
    }
}

TEST_F(ComboBoxes, ChoiceModelContracts) {
    ChoiceModel model;
    TestSupport::listen(model.m_on_item_added, [this](auto& e) { m_added.push_back(e.index); });
    TestSupport::listen(model.m_on_selection_changed, [this](auto& e) {
        m_selections.push_back(e.has_selection ? e.index : 99);
    });
    EXPECT_EQ(failure([&] { model.get_selected_item(); }), u"m_has_selection");
    EXPECT_EQ(failure([&] { model.get_selected_item_index(); }), u"m_has_selection");
    EXPECT_EQ(failure([&] { model.select_item(0); }), u"a_index < m_items.size()");
    EXPECT_EQ(failure([&] { model.insert(std::make_unique<ChoiceItem>(u"x"), 1); }),
              u"a_at <= m_items.size()");
    model.append(std::make_unique<TypedChoiceItem<unsigned>>(u"Slow", 1u));
    model.append(std::make_unique<TypedChoiceItem<unsigned>>(u"Fast", 4u));
    model.select_item(1);
    model.select_item(1); // unchanged: no signal
    model.insert(std::make_unique<TypedChoiceItem<unsigned>>(u"Still", 0u), 0);
    EXPECT_EQ(model.get_selected_item_index(), 2u); // the selection follows its item
    EXPECT_EQ(static_cast<TypedChoiceItem<unsigned>&>(model.get_selected_item()).get_value(), 4u);
    model.clear_selection();
    EXPECT_EQ(m_added, (std::vector<std::size_t>{0, 1, 0}));
    EXPECT_EQ(m_selections, (std::vector<std::size_t>{1, 99}));
}

TEST_F(ComboBoxes, AChoiceShowsAndSelectsItsModelsItems) {
    auto* choice = show(new Choice);
    ChoiceModel outer;
    for (const char16_t* label : {u"Sine", u"Triangle", u"Square"})
        outer.append(label);
    outer.select_item(1);
    choice->set_model(&outer);
    m_platform->push_popup_menu_answer({{}, 3});
    click(*m_system, 40, 30);
    EXPECT_EQ(outer.get_selected_item_index(), 2u);
    press(up);
    EXPECT_EQ(outer.get_selected_item_index(), 1u);
    wheel(-240);
    EXPECT_EQ(outer.get_selected_item_index(), 2u);
    outer.select_item(0); // a change from elsewhere is reported too
    EXPECT_EQ(m_chosen, (std::vector<std::size_t>{2, 1, 2, 0}));
    choice->set_model(nullptr); // back to its own, empty model: the old one is no longer heard
    outer.select_item(2);
    EXPECT_EQ(m_chosen.size(), 4u);
    EXPECT_FALSE(choice->step_selection(1));
}

} // namespace
