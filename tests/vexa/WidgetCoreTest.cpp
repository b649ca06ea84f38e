// The widget core on the headless backend: sizes, the deferred update pipeline, input routing and
// focus, style properties, and what a change costs to repaint.

#include "DesktopFixture.h"
#include "HeadlessToolkit.h"
#include "tests/support/AllocationCounter.h"
#include "tests/support/Listen.h"

#include "orvo/Core/Exception.h"
#include "vexa/Styles/StyleValue_Typed.h"
#include "vexa/Widget/WidgetStyleManager.h"
#include "vexa/Widget/Wwm1.h"
#include "vexa/Window/HintWindow.h"
#include "vexa/Window/NormalWindow.h"

using namespace Vexa;
using VexaTest::Desktops;

namespace {

struct SizeCase {
    const char* name;
    WidgetSizeValues raw;
    WidgetSizeValues constraints;
    WidgetSizeValues requested;
};

class Sizes : public testing::TestWithParam<SizeCase> {};

TEST_P(Sizes, AreNormalisedAndNarrowedButNeverWidened) {
    WidgetMeasuredSizes measured;
    WidgetRequestedSizes requested(measured);
    measured.set_raw(GetParam().raw);
    requested.set_constraints(GetParam().constraints);
    EXPECT_EQ(requested.get_values(), GetParam().requested);
    // Only a real change counts as one.
    EXPECT_FALSE(measured.set_raw(GetParam().raw));
    EXPECT_FALSE(requested.set_constraints(GetParam().constraints));
}

constexpr int L = widget_size_limit;
constexpr WidgetSizeValues none{-1, -1, -1, -1, -1, -1};

INSTANTIATE_TEST_SUITE_P(
    Table, Sizes,
    testing::Values(
        SizeCase{"FixedWidthBelowTheContent",
                 {120, L, 120, 0, L, 0},
                 {100, 100, 100, -1, -1, -1},
                 {120, 120, 120, 0, L, 0}},
        SizeCase{
            "MaximumBelowMinimumIsRaised", {50, 30, 10, 5, 2, 90}, none, {50, 50, 50, 5, 5, 5}},
        SizeCase{"AboveTheLimitIsCut", {70000, 90000, 80000, -4, 7, 3}, none, {L, L, L, 0, 7, 3}},
        SizeCase{"ConstraintsNarrow",
                 {10, 200, 50, 10, 200, 50},
                 {20, 100, 300, 5, -1, 1},
                 {20, 100, 100, 10, 200, 10}},
        SizeCase{"ContradictingConstraintsKeepTheMinimum",
                 {10, 200, 50, 0, L, 0},
                 {150, 120, -1, -1, -1, -1},
                 {150, 150, 150, 0, L, 0}}),
    [](const auto& a_info) { return std::string(a_info.param.name); });

// Logs the pipeline's steps for one named widget.
class Step : public Widget {
public:
    Step(std::vector<std::string>& a_log, std::string a_name, int a_content)
        : m_log(a_log), m_name(std::move(a_name)), m_content(a_content) {
        connect(m_on_measure, this, &Step::on_measure);
        connect(m_on_placement, this, &Step::on_placement);
        get_paint_signal().connect(
            new Orvo::MethodSlot1<void(PaintEvent&), Step>(this, &Step::on_paint));
    }
    void on_measure(WidgetEvents::OnMeasure& a_event) {
        m_log.push_back("measure " + m_name + " " + std::to_string(a_event.minimum.width));
        a_event.minimum.width += m_content;
        a_event.requested.width += m_content;
    }
    void on_placement(WidgetEvent&) { m_log.push_back("place " + m_name); }
    void on_paint(PaintEvent&) { m_log.push_back("paint " + m_name); }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
    int m_content;
};

int position(const std::vector<std::string>& a_log, const std::string& a_entry) {
    const auto found = std::find(a_log.begin(), a_log.end(), a_entry);
    return found == a_log.end() ? -1 : int(found - a_log.begin());
}

TEST_P(Desktops, APipelineRestylesThenMeasuresDeepestFirstThenPlacesThenPaints) {
    Application::get()->load_style_sheet_text(u"class Widget;\n  margins: 3px;\nend class;\n");
    std::vector<std::string> log;
    Window window;
    window.set_geometry(0, 0, 200, 100);
    auto* outer = new Step(log, "outer", 0);
    auto* inner = new Step(log, "inner", 120);
    outer->set_geometry(0, 0, 200, 100);
    inner->set_geometry(0, 0, 150, 50);
    outer->add_child(inner);
    window.add_child(outer);
    window.open(m_desktop, Modality_MODELESS);
    // Restyled first: the measure starts at the margins the sheet gave.
    const int inner_measure = position(log, "measure inner 6");
    const int outer_measure = position(log, "measure outer 6");
    ASSERT_GE(inner_measure, 0);
    EXPECT_LT(inner_measure, outer_measure);
    EXPECT_LT(outer_measure, position(log, "place outer"));
    EXPECT_LT(position(log, "place inner"), position(log, "paint outer"));
    EXPECT_LT(position(log, "paint outer"), position(log, "paint inner"));
    EXPECT_EQ(inner->get_requested_sizes().get_minimum_width(), 126);

    // Setting the same geometry twice changes it once; a size below the minimum is raised.
    int changes = 0;
    TestSupport::listen(inner->m_on_geometry_changed, [&](auto&) { ++changes; });
    inner->set_geometry(5, 5, 10, 10);
    inner->set_geometry(5, 5, 10, 10);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(inner->get_rect(), (Rect{5, 5, 126, 10}));
}

TEST_P(Desktops, ADestroyedWidgetLeavesEveryQueueAndItsSlotsAreNeverCalledAgain) {
    Window window;
    window.set_geometry(0, 0, 100, 100);
    Widget* doomed = new Widget;
    doomed->set_geometry(0, 0, 50, 50);
    window.add_child(doomed);
    window.open(m_desktop, Modality_MODELESS);

    Wwm1_Int model;
    model.set_interval(0, 10);
    struct Target : Widget {
        int calls = 0;
        void on_changed(Wwm1_ChangedEvent<int>&) { ++calls; }
        void handle_input(InputEvent& a_event) override {
            if (a_event.type == InputEventType_MOUSE_DOWN)
                destroy();
        }
    };
    auto* target = new Target;
    target->set_geometry(50, 50, 50, 50);
    target->connect(model.m_on_changed, target, &Target::on_changed);
    window.add_child(target);
    bool destroyed = false;
    TestSupport::listen(target->m_on_destroyed, [&](auto&) { destroyed = true; });

    {
        Desktop::UpdateSuspender suspender(*m_desktop);
        doomed->request_measure();
        doomed->request_restyle();
        doomed->repaint();
        doomed->set_geometry(0, 0, 40, 40);
        doomed->destroy();
        for (int kind = 0; kind < WidgetUpdate_ENUM_SIZE; ++kind)
            EXPECT_TRUE(window.get_update_queues().contains(doomed, WidgetUpdate(kind))) << kind;
    }
    for (int kind = 0; kind < WidgetUpdate_ENUM_SIZE; ++kind)
        EXPECT_FALSE(window.get_update_queues().contains(doomed, WidgetUpdate(kind))) << kind;
    EXPECT_EQ(window.get_children().size(), 1u);

    model.set(3);
    EXPECT_EQ(target->calls, 1);
    click(75, 75);
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(window.get_children().empty());
    model.set(4); // the slot of the deleted widget is not called

    auto* extra = new Window;
    extra->set_geometry(0, 0, 30, 30);
    extra->add_child(new Widget);
    extra->open(m_desktop, Modality_MODELESS);
    extra->destroy();
    EXPECT_EQ(std::count(m_desktop->get_windows().begin(), m_desktop->get_windows().end(), extra),
              0);
}

TEST_P(Desktops, ADestroyInsideTheWidgetsOwnSlotWaitsForTheNextFlush) {
    Window window;
    window.set_geometry(0, 0, 100, 100);
    struct SelfDestroying : Widget {
        bool* alive_after = nullptr;
        void handle_input(InputEvent& a_event) override {
            if (a_event.type != InputEventType_MOUSE_DOWN)
                return;
            destroy();
            get_rect(); // still a valid object
            *alive_after = get_parent() != nullptr;
        }
    };
    bool alive_after = false;
    auto* widget = new SelfDestroying;
    widget->alive_after = &alive_after;
    widget->set_geometry(0, 0, 100, 100);
    window.add_child(widget);
    window.open(m_desktop, Modality_MODELESS);
    click(10, 10);
    EXPECT_TRUE(alive_after);
    EXPECT_TRUE(window.get_children().empty());
}

struct RouteCase {
    const char* name;
    bool child_enabled;
    bool child_propagates;
    bool before_consumes;
    bool after_wants_consumed;
    const char* expected; // what each party saw, in order
};

// A widget or a listener that adds its name (and a widget its stage) to what was seen.
struct Party : Widget {
    std::string* seen = nullptr;
    std::string name;
    bool consume = false;
    void handle_input(InputEvent& a_event) override {
        if (a_event.type == InputEventType_MOUSE_DOWN)
            *seen += (seen->empty() ? "" : " ") + name + std::to_string(a_event.stage);
    }
    void hear(InputEvent& a_event) {
        if (a_event.type != InputEventType_MOUSE_DOWN)
            return;
        EXPECT_EQ(a_event.stage, InputEventStage_LISTENER);
        *seen += (seen->empty() ? "" : " ") + name;
        a_event.consumed = a_event.consumed || consume;
    }
};

class InputRouting : public VexaTest::HeadlessBoard,
                     public testing::WithParamInterface<RouteCase> {};

TEST_P(InputRouting, ListenersTheTargetAndItsAncestorsInOrder) {
    const RouteCase& route = GetParam();
    std::string seen;
    auto* parent = new Party;
    auto* child = new Party;
    Party before_hearer, after_hearer;
    for (auto [party, name] :
         {std::pair(parent, "parent"), std::pair(child, "child"),
          std::pair(&before_hearer, "before"), std::pair(&after_hearer, "after")})
        party->seen = &seen, party->name = name;
    before_hearer.consume = route.before_consumes;
    parent->set_geometry(0, 0, 100, 100);
    parent->set_input_event_propagation_filter(InputEventType_MOUSE_DOWN, false);
    child->set_geometry(10, 10, 20, 20);
    child->set_enabled(route.child_enabled);
    child->set_input_event_propagation_filter(InputEventType_MOUSE_DOWN, route.child_propagates);
    parent->add_child(child);
    m_board->add_child(parent);

    InputListener before(InputListenerScope_BEFORE);
    InputListener after(InputListenerScope_AFTER);
    for (auto [listener, hearer] :
         {std::pair(&before, &before_hearer), std::pair(&after, &after_hearer)})
        listener->get_signal(InputEventType_MOUSE_DOWN)
            .connect(new Orvo::MethodSlot1<void(InputEvent&), Party>(hearer, &Party::hear));
    after.set_wants_consumed(InputEventType_MOUSE_DOWN, route.after_wants_consumed);
    Desktop& desktop = *m_system->get_desktop();
    desktop.add_input_listener(&before);
    desktop.add_input_listener(&after);
    EXPECT_THROW(desktop.get_input_listeners(InputListenerScope_AFTER).p_append(&before),
                 Orvo::Exception);

    InputEvent down;
    down.type = InputEventType_MOUSE_DOWN;
    down.desktop_x = down.desktop_y = 15;
    down.button = 1;
    desktop.dispatch(down);
    EXPECT_EQ(seen, route.expected);
    desktop.remove_input_listener(&before);
    desktop.remove_input_listener(&after);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, InputRouting,
    testing::Values(
        RouteCase{"BubblesToTheParent", true, true, false, false, "before child1 parent3 after"},
        RouteCase{"DisabledChildPassesOn", false, true, false, false, "before parent3 after"},
        RouteCase{"DisabledChildStopsIt", false, false, false, false, "before after"},
        RouteCase{"BeforeConsumes", true, true, true, false, "before"},
        RouteCase{"AfterWantsConsumed", true, true, true, true, "before after"}),
    [](const auto& a_info) { return std::string(a_info.param.name); });

TEST_P(Desktops, AClickFocusesByPolicyAndUnknownReasonsFail) {
    Window window;
    VexaTest::Probe* probe = open_with_probe(window, {0, 0, 100, 100}, {0, 0, 50, 50});
    auto* focusable = new Widget;
    focusable->set_geometry(50, 50, 50, 50);
    focusable->set_focus_policy(FocusPolicy_CLICK);
    window.add_child(focusable);
    int reason = -1;
    TestSupport::listen(focusable->m_on_focus_in, [&](auto& a_event) { reason = a_event.reason; });

    click(75, 75);
    EXPECT_TRUE(focusable->has_focus());
    EXPECT_EQ(reason, FocusReason_CLICK);
    EXPECT_FALSE(probe->can_focus(FocusReason_CLICK));
    EXPECT_FALSE(probe->can_focus(FocusReason_TAB));
    int lost = 0;
    TestSupport::listen(focusable->m_on_focus_out, [&](auto&) { ++lost; });
    EXPECT_TRUE(probe->set_focus(FocusReason_PROGRAM));
    EXPECT_FALSE(focusable->has_focus());
    EXPECT_EQ(lost, 1);
    focusable->set_focus(FocusReason_PROGRAM);
    focusable->hide();
    EXPECT_EQ(lost, 2);
    EXPECT_EQ(m_desktop->get_focus_widget(), nullptr);
    EXPECT_EQ(VexaTest::failure([&] { probe->set_focus(2); }),
              u"Widget::can_focus(): unknown focus reason.");
}

TEST_P(Desktops, AChangeRepaintsOnlyItsRectangleAndAnIdleFlushNeitherPaintsNorAllocates) {
    std::vector<std::string> log;
    Window window;
    window.set_geometry(20, 10, 200, 100);
    auto* left = new Step(log, "left", 0);
    auto* right = new Step(log, "right", 0);
    left->set_geometry(0, 0, 100, 100);
    right->set_geometry(100, 0, 100, 100);
    window.add_child(left);
    window.add_child(right);
    window.open(m_desktop, Modality_MODELESS);
    log.clear();

    right->repaint({10, 20, 30, 40});
    EXPECT_EQ(m_desktop->get_last_painted(), (Rect{130, 30, 30, 40}));
    EXPECT_EQ(log, (std::vector<std::string>{"paint right"}));

    const unsigned painted = m_desktop->get_painted_rect_count();
    TestSupport::AllocationCounter allocations;
    m_desktop->flush();
    EXPECT_EQ(allocations.stop(), 0);
    EXPECT_EQ(m_desktop->get_painted_rect_count(), painted);
}

TEST_P(Desktops, AHintShowsAfterARestAndClosesAfterFiftyPixelsNotCountingTheFirstMove) {
    Window window;
    VexaTest::Probe* probe = open_with_probe(window, {0, 0, 300, 200}, {0, 0, 300, 200});
    probe->set_hint(std::make_shared<WidgetStaticHint>(u"Delay of voice 1"));
    send_mouse(NativeEventType::mouse_move, 100, 50);
    m_headless->advance_time(SystemWindow::hover_time + 1);
    ASSERT_TRUE(m_desktop->get_shown_hint());
    EXPECT_EQ(m_desktop->get_shown_hint()->get_text(), u"Delay of voice 1");
    EXPECT_EQ(m_desktop->get_shown_hint()->get_rect().y, 70);
    send_mouse(NativeEventType::mouse_move, 160, 50); // the first move does not count
    send_mouse(NativeEventType::mouse_move, 180, 70); // 40
    EXPECT_TRUE(m_desktop->get_shown_hint());
    send_mouse(NativeEventType::mouse_move, 185, 75); // 50
    EXPECT_FALSE(m_desktop->get_shown_hint());

    m_headless->advance_time(SystemWindow::hover_time + 1);
    ASSERT_TRUE(m_desktop->get_shown_hint());
    click(185, 75);
    EXPECT_FALSE(m_desktop->get_shown_hint());
}

TEST_P(Desktops, TheShippedSheetStylesWindowsAndFollowsTheEnabledSwitch) {
    // The toolkit alone lacks the device editor's classes, so the load reports errors; the sheet
    // is in force all the same.
    EXPECT_THROW(Application::get()->load_style_sheet(Orvo::WString(
                     std::u16string_view(u"" ORVO_SOURCE_ROOT "/chorus/data/stylesheet.dat"))),
                 Orvo::Exception);
    ASSERT_TRUE(Application::get()->get_style_sheet());
    NormalWindow window(u"Styled");
    window.set_geometry(10, 10, 200, 150);
    auto* enabled = new Widget;
    auto* disabled = new Widget;
    disabled->set_enabled(false);
    auto* client = new Widget;
    client->add_child(enabled);
    client->add_child(disabled);
    window.set_client(client);
    window.open(m_desktop, Modality_MODELESS);
    EXPECT_EQ(window.get_frame().background.get_color(), GdiPlus_Color(0xFF262A30));
    // The area under the title bar follows the sheet too, not its light built-in colour.
    const Widget* contents = client->get_parent();
    ASSERT_EQ(std::u16string_view(contents->get_widget_class()), u"NormalWindowContents");
    EXPECT_EQ(contents->get_frame().background.get_color(), GdiPlus_Color(0xFF262A30));
    EXPECT_EQ(enabled->get_text_color(), GdiPlus_Color(0xFFE4E7EB));
    EXPECT_EQ(disabled->get_text_color(), GdiPlus_Color(0xFF6B727C));
    disabled->set_enabled(true);
    EXPECT_EQ(disabled->get_text_color(), GdiPlus_Color(0xFFE4E7EB));
    // The title bar follows the window's "active" switch.
    Widget* bar = nullptr;
    for (Widget* child : window.get_children())
        if (std::u16string_view(child->get_widget_class()) == u"NormalWindowTitleBar")
            bar = child;
    ASSERT_TRUE(bar);
    m_desktop->activate(&window, true);
    EXPECT_EQ(bar->get_frame().background.get_color(), GdiPlus_Color(0xFF3FB6A8));
    m_desktop->activate(&window, false);
    EXPECT_EQ(bar->get_frame().background.get_color(), GdiPlus_Color(0xFF30353C));
}

struct PropertyCase {
    const char* name;
    int index;
    std::vector<int> pixels; // one dimension, or a list of them
    BoxSides margins;
    BoxSides paddings;
    WidgetSizeValues constraints;
};

class StyleProperties : public testing::TestWithParam<PropertyCase> {};

StyleValueRef dimension(int a_pixels) {
    return make_style_value<StyleValue_Dimension>(StyleDimension::from_amount(a_pixels));
}

TEST_P(StyleProperties, SetTheBoxAndTheConstraints) {
    Widget widget;
    const PropertyCase& property = GetParam();
    StyleValueRef value;
    if (property.pixels.size() == 1) {
        value = dimension(property.pixels[0]);
    } else {
        std::vector<StyleValueRef> elements;
        for (int pixels : property.pixels)
            elements.push_back(pixels < 0 ? make_style_value<StyleValue_Boolean>(true)
                                          : dimension(pixels));
        value = make_style_value<StyleValue_List>(std::move(elements));
    }
    WidgetStyleManager::get_behaviour().apply(widget, property.index, *value);
    EXPECT_EQ(widget.get_margins(), property.margins);
    EXPECT_EQ(widget.get_paddings(), property.paddings);
    EXPECT_EQ(widget.get_size_constraints(), property.constraints);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StyleProperties,
    testing::Values(PropertyCase{"MarginsThree", 18, {1, 2, 3}, {3, 2, 2, 1}, {}, none},
                    PropertyCase{"MarginsFour", 18, {1, 2, 3, 4}, {3, 4, 2, 1}, {}, none},
                    PropertyCase{"MarginsFiveIgnored", 18, {1, 2, 3, 4, 5}, {}, {}, none},
                    PropertyCase{"MarginsNotDimensionsIgnored", 18, {1, -1}, {}, {}, none},
                    PropertyCase{"PaddingTwo", 30, {1, 2}, {}, {1, 2, 2, 1}, none},
                    PropertyCase{"VerticalPadding", 36, {5}, {}, {5, 0, 0, 5}, none},
                    PropertyCase{"FixedWidth", 7, {100}, {}, {}, {100, 100, 100, -1, -1, -1}},
                    PropertyCase{"FixedSizeList", 6, {7, 8}, {}, {}, {7, 7, 7, 8, 8, 8}},
                    PropertyCase{"MinimumSizeListOfThreeIgnored", 25, {7, 8, 9}, {}, {}, none},
                    PropertyCase{"MaximumHeight", 19, {30}, {}, {}, {-1, -1, -1, -1, 30, -1}}),
    [](const auto& a_info) { return std::string(a_info.param.name); });

} // namespace
