// Sheets -> what a widget of a class, subclass and switch state is given.

#include "StyleTestRegistry.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace StyleTests;

namespace {

struct ResolutionCase {
    const char* name;
    const char16_t* sheet;
    const char16_t* widget_class;
    const char* expected; // "Class.property=value" in key order, joined by "; "
    std::u16string subclass = u"";
    const char* switches_on = ""; // separated by spaces
};

constexpr const char16_t* cases_sheet = u"class Button;\n"
                                        u"  color: #000001;\n"
                                        u"  subclass default;\n"
                                        u"    case pressed; +pushed; color: #000003; end case;\n"
                                        u"    case live; +enabled; color: #000004; end case;\n"
                                        u"    case default; count: 9; end case;\n"
                                        u"  end subclass;\n"
                                        u"  subclass quiet;\n"
                                        u"    color: #000002;\n"
                                        u"    case idle; -pushed; -enabled; count: 7; end case;\n"
                                        u"  end subclass;\n"
                                        u"end class;\n";

const ResolutionCase resolution_cases[] = {
    {"OwnClass", u"class Widget; color: #102030; end class;", u"Widget", "Widget.color=#FF102030"},
    {"NearestDescribedBase", u"class Widget; color: #102030; end class;", u"ToggleButton",
     "Widget.color=#FF102030"},
    {"NearerBaseWins",
     u"class Widget; color: #000001; end class; class Button; color: #000002; end class;",
     u"ToggleButton", "Widget.color=#FF000002"},
    {"LaterEntryWins", u"class Widget; color: #000001; color: #000002; end class;", u"Widget",
     "Widget.color=#FF000002"},
    {"DefaultCaseWhenNoneMatches", cases_sheet, u"Button",
     "Widget.color=#FF000001; Widget.count=9"},
    {"FirstMatchingCaseOnly", cases_sheet, u"Button", "Widget.color=#FF000003", u"",
     "pushed enabled"},
    {"SecondCaseWhenFirstFails", cases_sheet, u"Button", "Widget.color=#FF000004", u"", "enabled"},
    {"SubclassOverridesClass", cases_sheet, u"Button", "Widget.color=#FF000002", u"quiet",
     "pushed"},
    {"OffSwitchesMatch", cases_sheet, u"Button", "Widget.color=#FF000002; Widget.count=7",
     u"quiet"},
    {"UnknownSubclassTakesDefault", cases_sheet, u"Button",
     "Widget.color=#FF000001; Widget.count=9", u"loud"},
    {"SwitchOfAnotherBranchNeverHolds",
     u"class Widget; subclass default; case x; +pushed; color: #000005; end case;\n"
     u"end subclass; end class;",
     u"Label", "", u"", "pushed"},
    {"InheritedIsWeakest",
     u"class Label; color: #000005; count: 1; end class;\n"
     u"class Button inherit Label; count: 2; end class;",
     u"Button", "Widget.color=#FF000005; Widget.count=2"},
    {"InheritanceLoopEnds",
     u"class Label inherit Button; count: 1; end class;\n"
     u"class Button inherit Label; count: 2; end class;",
     u"Button", "Widget.count=2"},
    {"SiblingManagerEntriesSkipped", u"class Widget; arrow_pen: pen(#000006, 2); end class;",
     u"Label", "Label.arrow_pen=pen(#FF000006,2)"},
    {"BaseManagerEntriesApply", u"class Widget; arrow_pen: pen(#000006); end class;",
     u"ToggleButton", "Button.arrow_pen=pen(#FF000006,0)"},
    {"EnumeratedString", u"class Widget; align: \"right\"; end class;", u"Widget",
     "Widget.align=4"},
    {"StringRegistrationBeforeEnumeration", u"class Widget; name: \"right\"; end class;", u"Widget",
     "Widget.name=\"right\""},
    {"UnknownPropertyAndTypeDropped",
     u"class Widget; shade: #000001; color: 5; align: \"middle\"; end class;", u"Widget", ""},
    {"PredefinedObjectsAndLists",
     u"ink = rgb(1, 2, 3); gap = 4px; class Widget; color: @ink; size: [@gap 2[0]pt]; end class;",
     u"Widget", "Widget.color=#FF010203; Widget.size=[4px[1] 2pt[0]]"},
    {"ListsKeepTheirOrder", u"class Widget; size: [1px 2px 3px [4px [] 5px]]; end class;",
     u"Widget", "Widget.size=[1px[1] 2px[1] 3px[1] [4px[1] [] 5px[1]]]"},
    {"FontPropertyDespiteTheKeyword", u"class Button; font: font(\"DejaVu Sans\", 9pt); end class;",
     u"Button", "Button.font=font(DejaVu Sans,9,2)"},
    {"EmptyClassBlock", u"class Widget;\nend class;", u"Widget", ""},
};

class StyleResolution : public testing::TestWithParam<ResolutionCase> {};

TEST_P(StyleResolution, GivesTheExpectedValues) {
    const ResolutionCase& c = GetParam();
    StyleTestRegistry registry;
    std::vector<std::string> errors;
    const auto sheet = registry.parse(c.sheet, &errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    std::set<std::string> switches;
    std::istringstream words(c.switches_on);
    for (std::string word; words >> word;)
        switches.insert(word);
    std::string resolved;
    for (const auto& [key, value] : registry.resolve(*sheet, c.widget_class, c.subclass, switches))
        resolved += (resolved.empty() ? "" : "; ") + key + "=" + value;
    EXPECT_EQ(resolved, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sheets, StyleResolution, testing::ValuesIn(resolution_cases),
                         [](const auto& a_info) { return std::string(a_info.param.name); });

TEST(StyleResolutionParent, CopiesFromTheParentOnlyWhenThereIsOne) {
    StyleTestRegistry registry;
    const auto sheet = registry.parse(u"class Widget; background: parent; end class;");
    Vexa::Widget parent;
    const std::map<std::string, std::string> with_parent = {{"Widget.background", "parent"}};
    EXPECT_EQ(registry.resolve(*sheet, u"Widget", u"", {}, &parent), with_parent);
    EXPECT_TRUE(registry.resolve(*sheet, u"Widget").empty());
}

} // namespace
