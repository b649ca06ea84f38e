// Registration failures and the checked accessors of values.

#include "vexa/Styles/StyleRegistry.h"
#include "orvo/Core/Exception.h"
#include "vexa/Styles/StyleValue_Typed.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Vexa;

namespace {

class ClassManager : public StyleManager {
public:
    explicit ClassManager(StyleClassId a_class) : m_class(a_class) {}
    StyleClassId get_widget_class() const override { return m_class; }

private:
    StyleClassId m_class;
};

std::string failure_of(const std::function<void()>& a_action) {
    try {
        a_action();
    } catch (const Orvo::Exception& a_exception) {
        return a_exception.what();
    }
    return "";
}

struct RegistryCase {
    const char* name;
    std::function<void(StyleRegistry&)> build;
    std::string failure;
};

const RegistryCase registry_cases[] = {
    {"UnknownBase",
     [](StyleRegistry& r) {
         r.add_class(u"Widget", u"");
         r.add_class(u"Button", u"Wigdet");
     },
     "Invalid base class name."},
    {"BaseLoop",
     [](StyleRegistry& r) {
         r.add_class(u"A", u"B");
         r.add_class(u"B", u"A");
     },
     "Invalid base class name."},
    {"SecondManager",
     [](StyleRegistry& r) {
         const StyleClassId widget = r.add_class(u"Widget", u"");
         r.add_manager(std::make_unique<ClassManager>(widget));
         r.add_manager(std::make_unique<ClassManager>(widget));
     },
     "This class already has a style manager."},
    {"NoManagerUpTheChain",
     [](StyleRegistry& r) {
         r.add_class(u"Widget", u"");
         const StyleClassId button = r.add_class(u"Button", u"Widget");
         r.add_manager(std::make_unique<ClassManager>(button));
     },
     "Something wrong."},
    {"ManagerWithoutClass",
     [](StyleRegistry& r) {
         r.add_class(u"Widget", u"");
         r.add_manager(std::make_unique<StyleManager>());
     },
     "StyleManager::get_widget_class()"},
    {"SwitchNamedTwice",
     [](StyleRegistry& r) {
         const StyleClassId widget = r.add_class(u"Widget", u"");
         StyleManager& manager = r.add_manager(std::make_unique<ClassManager>(widget));
         r.add_switch(&manager, u"pushed", 0);
         r.add_switch(&manager, u"pushed", 1);
     },
     "!m_switch_descriptions.has_key(a_name)"},
};

class StyleRegistryFailures : public testing::TestWithParam<RegistryCase> {};

TEST_P(StyleRegistryFailures, NameTheFault) {
    StyleRegistry registry;
    EXPECT_EQ(failure_of([&] {
                  GetParam().build(registry);
                  registry.initialize();
              }),
              GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(Registrations, StyleRegistryFailures, testing::ValuesIn(registry_cases),
                         [](const auto& a_info) { return std::string(a_info.param.name); });

TEST(StyleRegistry, EffectiveManagerIsTheNearestBasesOwn) {
    StyleRegistry registry;
    const StyleClassId widget = registry.add_class(u"Widget", u"");
    const StyleClassId button = registry.add_class(u"Button", u"Widget");
    const StyleClassId toggle = registry.add_class(u"ToggleButton", u"Button");
    StyleManager& widget_manager = registry.add_manager(std::make_unique<ClassManager>(widget));
    StyleManager& button_manager = registry.add_manager(std::make_unique<ClassManager>(button));
    registry.initialize();
    EXPECT_EQ(registry.get_effective_manager(widget), &widget_manager);
    EXPECT_EQ(registry.get_effective_manager(toggle), &button_manager);
    EXPECT_EQ(registry.get_manager(toggle), nullptr);
    EXPECT_TRUE(registry.derives_from(toggle, widget));
    EXPECT_FALSE(registry.derives_from(widget, toggle));
}

TEST(StyleRegistry, TheProcessRegistryHoldsTheToolkitClasses) {
    const StyleRegistry& registry = StyleRegistry::get();
    const StyleClass* scroll_button = registry.find_class(u"ScrollBarButton");
    ASSERT_NE(scroll_button, nullptr);
    EXPECT_TRUE(
        registry.derives_from(scroll_button->id, registry.find_class(u"CommandButton")->id));
    // "arrow_pen" is taken by arrow buttons and combo boxes alike.
    EXPECT_EQ(registry.find_property(u"arrow_pen")->registrations.get(StyleValueType_PEN).size(),
              2u);
}

struct RescaleCase {
    int amount;
    double exponent;
    double scale;
    int pixels;
};

class StyleDimensionRescale : public testing::TestWithParam<RescaleCase> {};

TEST_P(StyleDimensionRescale, FollowsTheScaleByItsExponent) {
    const RescaleCase& c = GetParam();
    StyleValue_Dimension value(StyleDimension::from_amount(c.amount, c.exponent));
    value.rescale(c.scale);
    EXPECT_EQ(value.to_pixels_int(), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Dimensions, StyleDimensionRescale,
                         testing::Values(RescaleCase{10, 1.0, 1.5, 15},  // linear
                                         RescaleCase{10, 0.0, 2.0, 10},  // never scaled
                                         RescaleCase{9, 0.5, 4.0, 18},   // square root
                                         RescaleCase{5, 1.0, 0.5, 3},    // 2.5 rounds up
                                         RescaleCase{-5, 1.0, 0.5, -3},  // -2.5 rounds away
                                         RescaleCase{4, -1.0, 2.0, 4})); // no negative scaling

TEST(StyleValue, ListRescalesItsDimensionsOnly) {
    StyleValue_List list(std::vector<StyleValueRef>{
        make_style_value<StyleValue_Dimension>(StyleDimension::from_amount(4)),
        make_style_value<StyleValue_Integer>(4)});
    const StyleValueRef original_first = list.get_elements()[0];
    list.rescale(2.0);
    EXPECT_EQ(list.get_elements()[0]->to_pixels_int(), 8);
    EXPECT_EQ(list.get_elements()[1]->to_int(), 4);
    // Values are shared between blocks: a rescale works on copies.
    EXPECT_EQ(original_first->to_pixels_int(), 4);
}

} // namespace
