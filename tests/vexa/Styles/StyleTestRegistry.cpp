#include "StyleTestRegistry.h"

#include "orvo/Core/Utf.h"
#include "vexa/Styles/StyleSheetSource.h"
#include "vexa/Styles/StyleValue_Typed.h"

#include <cstdio>

namespace StyleTests {

using namespace Vexa;

namespace {

struct Property {
    const char* name;
    StyleValueType type;
};

// Records into the owning test registry: "Class.property" = the value's description.
class RecordingManager : public StyleManager {
public:
    RecordingManager(StyleTestRegistry& a_owner, StyleClassId a_class, std::string a_class_name,
                     std::vector<Property> a_properties, std::vector<std::string> a_switches)
        : m_owner(a_owner), m_class(a_class), m_class_name(std::move(a_class_name)),
          m_properties(std::move(a_properties)), m_switches(std::move(a_switches)) {}

    void copy_from_parent(Widget&, int a_index, Widget&) override {
        m_owner.m_recorded[p_key(a_index)] = "parent";
    }
    bool get_switch_state(const Widget&, int a_index) const override {
        return m_owner.m_switches_on.count(m_switches[std::size_t(a_index)]) != 0;
    }
    StyleClassId get_widget_class() const override { return m_class; }
    void declare(StyleRegistry& a_registry) override {
        for (std::size_t i = 0; i < m_properties.size(); ++i) {
            const Orvo::WString name = Orvo::to_utf16(m_properties[i].name);
            if (m_properties[i].type == StyleValueType_ENUMERATED) {
                Orvo::Map<Orvo::WString, StyleValueRef> values;
                values.emplace(Orvo::WString(u"left"), make_style_value<StyleValue_Integer>(1));
                values.emplace(Orvo::WString(u"right"), make_style_value<StyleValue_Integer>(4));
                a_registry.add_enumerated_property(this, name, int(i), std::move(values));
            } else {
                a_registry.add_property(this, name, m_properties[i].type, int(i));
            }
        }
        for (std::size_t i = 0; i < m_switches.size(); ++i)
            a_registry.add_switch(this, Orvo::to_utf16(m_switches[i]), int(i));
    }
    void apply(Widget&, int a_index, const StyleValue& a_value) override {
        m_owner.m_recorded[p_key(a_index)] = describe(a_value);
    }

private:
    std::string p_key(int a_index) const {
        return m_class_name + "." + m_properties[std::size_t(a_index)].name;
    }

    StyleTestRegistry& m_owner;
    StyleClassId m_class;
    std::string m_class_name;
    std::vector<Property> m_properties;
    std::vector<std::string> m_switches;
};

} // namespace

std::string describe(const StyleValue& a_value) {
    char text[64];
    switch (a_value.get_type()) {
    case StyleValueType_BOOLEAN:
        return a_value.to_bool() ? "yes" : "no";
    case StyleValueType_COLOR:
        std::snprintf(text, sizeof text, "#%08X", unsigned(a_value.to_color().get_argb()));
        return text;
    case StyleValueType_DIMENSION: {
        const StyleDimension& dimension = a_value.to_dimension();
        static const char* const units[] = {"", "px", "pt"};
        std::snprintf(text, sizeof text, "%d%s[%g]", dimension.amount, units[dimension.unit],
                      dimension.exponent);
        return text;
    }
    case StyleValueType_INTEGER:
        return std::to_string(a_value.to_int());
    case StyleValueType_STRING:
        return "\"" + Orvo::to_utf8(a_value.to_string().view()) + "\"";
    case StyleValueType_PEN:
        std::snprintf(text, sizeof text, "pen(#%08X,%d)",
                      unsigned(a_value.to_pen().get_color().get_argb()),
                      a_value.to_pen().get_width());
        return text;
    case StyleValueType_FONT: {
        // Described without looking the font up: the font system stays out of these tests.
        const auto& font = static_cast<const StyleValue_Font&>(a_value);
        std::snprintf(text, sizeof text, "font(%s,%g,%d)",
                      Orvo::to_utf8(font.get_family().view()).c_str(), font.get_size(),
                      font.get_unit());
        return text;
    }
    case StyleValueType_BRUSH:
        std::snprintf(text, sizeof text, "brush(#%08X)",
                      unsigned(a_value.to_brush().get_color().get_argb()));
        return text;
    case StyleValueType_LIST: {
        std::string list = "[";
        for (const StyleValueRef& element : a_value.get_elements())
            list += (list.size() > 1 ? " " : "") + describe(*element);
        return list + "]";
    }
    default:
        return "type " + std::to_string(int(a_value.get_type()));
    }
}

std::string format_error(const CssParser::StyleSheetError& a_error) {
    return std::to_string(a_error.position.line) + ":" + std::to_string(a_error.position.column) +
           ": " + Orvo::to_utf8(a_error.message.view());
}

StyleTestRegistry::StyleTestRegistry() {
    const StyleClassId widget = m_registry.add_class(Orvo::WString(u"Widget"), Orvo::WString());
    const StyleClassId button =
        m_registry.add_class(Orvo::WString(u"Button"), Orvo::WString(u"Widget"));
    m_registry.add_class(Orvo::WString(u"ToggleButton"), Orvo::WString(u"Button"));
    const StyleClassId label =
        m_registry.add_class(Orvo::WString(u"Label"), Orvo::WString(u"Widget"));
    m_registry.add_manager(std::make_unique<RecordingManager>(
        *this, widget, "Widget",
        std::vector<Property>{{"color", StyleValueType_COLOR},
                              {"size", StyleValueType_DIMENSION},
                              {"size", StyleValueType_LIST},
                              {"background", StyleValueType_BRUSH},
                              {"name", StyleValueType_STRING},
                              {"align", StyleValueType_ENUMERATED},
                              {"count", StyleValueType_INTEGER}},
        std::vector<std::string>{"enabled"}));
    m_registry.add_manager(std::make_unique<RecordingManager>(
        *this, button, "Button",
        std::vector<Property>{{"arrow_pen", StyleValueType_PEN}, {"font", StyleValueType_FONT}},
        std::vector<std::string>{"pushed"}));
    m_registry.add_manager(std::make_unique<RecordingManager>(
        *this, label, "Label", std::vector<Property>{{"arrow_pen", StyleValueType_PEN}},
        std::vector<std::string>{"wrapped"}));
    m_registry.initialize();
}

StyleClassId StyleTestRegistry::id_of(const char16_t* a_class) const {
    return m_registry.find_class(Orvo::WString(a_class))->id;
}

std::shared_ptr<StyleSheet> StyleTestRegistry::parse(std::u16string_view a_text,
                                                     std::vector<std::string>* a_errors) {
    auto sheet = std::make_shared<StyleSheet>(m_registry);
    CssParser::StyleSheetParser parser(m_registry, *sheet);
    parser.set_error_sink([a_errors](const CssParser::StyleSheetError& a_error) {
        if (a_errors)
            a_errors->push_back(format_error(a_error));
    });
    parser.parse(a_text);
    return sheet;
}

std::map<std::string, std::string> StyleTestRegistry::resolve(const StyleSheet& a_sheet,
                                                              const char16_t* a_class,
                                                              const std::u16string& a_subclass,
                                                              std::set<std::string> a_switches_on,
                                                              Widget* a_parent) {
    m_recorded.clear();
    m_switches_on = std::move(a_switches_on);
    Widget widget;
    a_sheet.apply(widget, id_of(a_class), Orvo::WString(a_subclass), a_parent);
    return m_recorded;
}

} // namespace StyleTests
