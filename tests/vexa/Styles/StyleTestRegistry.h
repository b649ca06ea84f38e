#pragma once
// A small registry for the style tests: Widget with Button, ToggleButton (from Button) and Label
// beside it, whose managers record what resolution gives each widget as text, keyed
// "Class.property".

#include "vexa/Styles/Parser/StyleSheetParser.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Widget/Widget.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace StyleTests {

// Every recorded value as text: colours "#AARRGGBB", dimensions "12px[1]", lists "[a b]".
std::string describe(const Vexa::StyleValue& a_value);

class StyleTestRegistry {
public:
    StyleTestRegistry();

    Vexa::StyleRegistry& get() noexcept { return m_registry; }
    Vexa::StyleClassId id_of(const char16_t* a_class) const;

    // Parses into a new sheet; the errors as "line:column: message".
    std::shared_ptr<Vexa::StyleSheet> parse(std::u16string_view a_text,
                                            std::vector<std::string>* a_errors = nullptr);
    // Resolves one widget and returns what its managers recorded.
    std::map<std::string, std::string> resolve(const Vexa::StyleSheet& a_sheet,
                                               const char16_t* a_class,
                                               const std::u16string& a_subclass = u"",
                                               std::set<std::string> a_switches_on = {},
                                               Vexa::Widget* a_parent = nullptr);

    // Filled by the managers during resolve.
    std::map<std::string, std::string> m_recorded;
    std::set<std::string> m_switches_on;

private:
    Vexa::StyleRegistry m_registry;
};

std::string format_error(const CssParser::StyleSheetError& a_error);

} // namespace StyleTests
