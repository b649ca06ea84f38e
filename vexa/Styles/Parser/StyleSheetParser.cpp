#include "vexa/Styles/Parser/StyleSheetParser.h"

#include "StyleSheetGrammar.hpp"
#include "orvo/Core/Exception.h"
#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/Utf.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleValue_Typed.h"

namespace CssParser {

static_assert(int(yy::parser::token::T_BOOLEAN) == Token_T_BOOLEAN);
static_assert(int(yy::parser::token::T_SUBCLASS) == Token_T_SUBCLASS);

namespace {

yy::location location_of(const LexerToken& a_token) {
    return yy::location(yy::position(nullptr, a_token.begin.line, a_token.begin.column),
                        yy::position(nullptr, a_token.end.line, a_token.end.column));
}

SourcePosition position_of(const yy::location& a_location) {
    return SourcePosition{int(a_location.begin.line), int(a_location.begin.column)};
}

const char16_t* function_name(Function a_function) {
    switch (a_function) {
    case Function_DOUBLE_BORDER:
        return u"double_border";
    case Function_FONT:
        return u"font";
    case Function_FRAME:
        return u"frame";
    case Function_NO_BORDER:
        return u"no_border";
    case Function_PEN:
        return u"pen";
    case Function_RGB:
        return u"rgb";
    case Function_SINGLE_BORDER:
        return u"single_border";
    case Function_SOLID_BRUSH:
        return u"solid_brush";
    }
    return u"";
}

bool all_of_type(const std::vector<Vexa::StyleValueRef>& a_values, Vexa::StyleValueType a_type) {
    for (const Vexa::StyleValueRef& value : a_values)
        if (value->get_type() != a_type)
            return false;
    return true;
}

Vexa::StyleValueType type_of(const std::vector<Vexa::StyleValueRef>& a_values, std::size_t a_at) {
    return a_at < a_values.size() ? a_values[a_at]->get_type() : Vexa::StyleValueType_ENUM_SIZE;
}

// Font sizes and pen widths outside these bounds are typing errors, not looks.
constexpr int max_font_size = 1024;
constexpr int max_pen_width = 256;
constexpr int max_list_depth = 16;

} // namespace

StyleSheetParser::StyleSheetParser(const Vexa::StyleRegistry& a_registry, Vexa::StyleSheet& a_sheet)
    : m_registry(a_registry), m_builder(a_sheet, a_registry) {}

StyleSheetParser::~StyleSheetParser() = default;

int StyleSheetParser::parse(std::u16string_view a_text) {
    LexerBase lexer(a_text);
    m_lexer = &lexer;
    try {
        yy::parser parser(*this);
        parser.parse();
    } catch (const Orvo::Exception& a_exception) {
        report(m_last_position, a_exception.get_message());
    } catch (const std::exception& a_exception) {
        report(m_last_position, Orvo::utf8_to_utf16_lossy(a_exception.what()));
    }
    m_lexer = nullptr;
    return m_error_count;
}

// Lists inside lists are bounded: values are released recursively, and a text of nothing but
// '[' would otherwise nest as deep as it is long. Deeper nesting ends the text like a lexer
// failure.
LexerToken StyleSheetParser::next_token() {
    if (m_list_depth > max_list_depth) {
        LexerToken end;
        end.begin = end.end = m_last_position;
        return end;
    }
    LexerToken token = m_lexer->next_token();
    m_last_position = token.begin;
    if (token.kind == Token_FAILURE)
        report(token.begin, Orvo::WString(u"Error"));
    else if (token.out_of_range)
        report(token.begin, Orvo::WString(u"Number out of range."));
    else if (token.kind == '[' && ++m_list_depth > max_list_depth)
        report(token.begin, Orvo::WString(u"Lists nested too deeply."));
    else if (token.kind == ']' && m_list_depth > 0)
        --m_list_depth;
    return token;
}

void StyleSheetParser::report(const SourcePosition& a_position, const Orvo::WString& a_message) {
    ++m_error_count;
    if (m_sink)
        m_sink(StyleSheetError{a_position, a_message});
}

void StyleSheetParser::report(const yy::location& a_location, const std::string& a_message) {
    report(position_of(a_location), Orvo::utf8_to_utf16_lossy(a_message));
}

void StyleSheetParser::define_object(const yy::location& a_location, const Orvo::WString& a_name,
                                     Vexa::StyleValueRef a_value) {
    if (m_objects.has_key(a_name)) {
        report(position_of(a_location),
               Orvo::format_message(u"Object \"@1\" already defined", {a_name}));
        return;
    }
    m_objects.emplace(a_name, std::move(a_value));
}

Vexa::StyleValueRef StyleSheetParser::find_object(const yy::location& a_location,
                                                  const Orvo::WString& a_name) {
    const Vexa::StyleValueRef* found = m_objects.find_value(a_name);
    if (!found) {
        report(position_of(a_location),
               Orvo::format_message(u"Undefined object: \"@1\"", {a_name}));
        return nullptr;
    }
    return *found;
}

Vexa::StyleValueRef StyleSheetParser::call(Function a_function, const yy::location& a_location,
                                           std::initializer_list<Vexa::StyleValueRef> a_arguments) {
    const std::vector<Vexa::StyleValueRef> arguments(a_arguments);
    for (const Vexa::StyleValueRef& argument : arguments)
        if (!argument) // already reported
            return nullptr;
    Vexa::StyleValueRef result = p_evaluate(a_function, arguments);
    if (!result)
        report(position_of(a_location),
               Orvo::format_message(u"Invalid arguments for function \"@1\".",
                                    {Orvo::WString(function_name(a_function))}));
    return result;
}

// Null when the arguments do not fit the function.
Vexa::StyleValueRef
StyleSheetParser::p_evaluate(Function a_function,
                             const std::vector<Vexa::StyleValueRef>& a_arguments) const {
    using namespace Vexa;
    const auto& args = a_arguments;
    switch (a_function) {
    case Function_DOUBLE_BORDER:
        if (!all_of_type(args, StyleValueType_COLOR))
            return nullptr;
        return make_style_value<StyleValue_Border>(Border(DoubleBorder(
            args[0]->to_color(), args[1]->to_color(), args[2]->to_color(), args[3]->to_color())));
    case Function_FONT: {
        if (type_of(args, 0) != StyleValueType_STRING ||
            type_of(args, 1) != StyleValueType_DIMENSION)
            return nullptr;
        const StyleDimension& size = args[1]->to_dimension();
        if ((size.unit != StyleDimensionUnit_PIXEL && size.unit != StyleDimensionUnit_POINT) ||
            size.amount < 1 || size.amount > max_font_size)
            return nullptr;
        return std::make_shared<StyleValue_Font>(args[0]->to_string(), size.amount, size.unit);
    }
    case Function_FRAME:
        if (type_of(args, 0) != StyleValueType_BORDER || type_of(args, 1) != StyleValueType_BRUSH)
            return nullptr;
        return make_style_value<StyleValue_Frame>(Frame{args[0]->to_border(), args[1]->to_brush()});
    case Function_NO_BORDER:
        return make_style_value<StyleValue_Border>(Border(NoBorder()));
    case Function_PEN: {
        if (type_of(args, 0) != StyleValueType_COLOR)
            return nullptr;
        int width = 0;
        if (args.size() == 2) {
            const StyleValueType width_type = type_of(args, 1);
            if (width_type == StyleValueType_INTEGER)
                width = args[1]->to_int();
            else if (width_type == StyleValueType_DIMENSION)
                width = args[1]->to_dimension().amount;
            else
                return nullptr;
            if (width < 0 || width > max_pen_width)
                return nullptr;
        }
        return make_style_value<StyleValue_Pen>(GdiPlus_Pen(args[0]->to_color(), width));
    }
    case Function_RGB: {
        std::uint32_t argb = 0xFF;
        for (const StyleValueRef& component : args) {
            if (component->get_type() != StyleValueType_INTEGER || component->to_int() < 0 ||
                component->to_int() > 255)
                return nullptr;
            argb = argb << 8 | std::uint32_t(component->to_int());
        }
        return make_style_value<StyleValue_Color>(GdiPlus_Color(argb));
    }
    case Function_SINGLE_BORDER:
        if (!all_of_type(args, StyleValueType_COLOR))
            return nullptr;
        return make_style_value<StyleValue_Border>(
            Border(SingleBorder(args[0]->to_color(), args[1]->to_color())));
    case Function_SOLID_BRUSH:
        if (type_of(args, 0) != StyleValueType_COLOR)
            return nullptr;
        return make_style_value<StyleValue_Brush>(GdiPlus_Brush(args[0]->to_color()));
    }
    return nullptr;
}

// A list with an element that had an error is dropped whole, like any other failed value.
Vexa::StyleValueRef StyleSheetParser::make_list(std::vector<Vexa::StyleValueRef> a_elements) {
    for (const Vexa::StyleValueRef& element : a_elements)
        if (!element)
            return nullptr;
    return Vexa::make_style_value<Vexa::StyleValue_List>(std::move(a_elements));
}

Vexa::StyleClassId StyleSheetParser::p_find_class(const yy::location& a_location,
                                                  const Orvo::WString& a_name) {
    const Vexa::StyleClass* style_class = m_registry.find_class(a_name);
    if (!style_class) {
        report(position_of(a_location), Orvo::format_message(u"Undefined class: \"@1\"", {a_name}));
        return 0;
    }
    return style_class->id;
}

void StyleSheetParser::begin_class(const yy::location& a_location, const Orvo::WString& a_name,
                                   const Orvo::WString* a_inherited,
                                   const yy::location& a_inherited_location) {
    const Vexa::StyleClassId id = p_find_class(a_location, a_name);
    const Vexa::StyleClassId inherited =
        a_inherited ? p_find_class(a_inherited_location, *a_inherited) : 0;
    m_in_known_class = id != 0;
    if (!m_in_known_class)
        return;
    if (inherited)
        m_builder.begin_class(id, inherited);
    else
        m_builder.begin_class(id);
}

void StyleSheetParser::end_class() {
    if (m_in_known_class)
        m_builder.end_class();
    m_in_known_class = false;
}

void StyleSheetParser::begin_subclass(const Orvo::WString& a_name) {
    if (m_in_known_class)
        m_builder.begin_subclass(a_name);
}

void StyleSheetParser::end_subclass() {
    if (m_in_known_class)
        m_builder.end_subclass();
}

void StyleSheetParser::begin_case(const Orvo::WString& a_name) {
    if (m_in_known_class)
        m_builder.begin_case(a_name);
}

void StyleSheetParser::end_case() {
    if (m_in_known_class)
        m_builder.end_case();
}

void StyleSheetParser::add_switch(const yy::location& a_location, const Orvo::WString& a_name,
                                  bool a_value) {
    if (!m_in_known_class)
        return;
    const Vexa::StyleSwitchDescription* description = m_registry.find_switch(a_name);
    if (description)
        m_builder.add_switch(description->manager, description->index, a_value);
    else
        p_notice(a_location, u"Unknown switch \"@1\"", a_name);
}

void StyleSheetParser::property(const yy::location& a_location, const Orvo::WString& a_name,
                                const Vexa::StyleValueRef& a_value) {
    if (!m_in_known_class || !a_value)
        return;
    if (!m_registry.find_property(a_name))
        p_notice(a_location, u"Unknown property \"@1\"", a_name);
    else if (!p_property(a_name, a_value))
        p_notice(a_location, u"Property \"@1\" takes no value of this type", a_name);
}

// `parent` goes to every registration of the name; another value to those of its type, or, for a
// string, to the enumerated registrations that know it. Anything else is dropped.
bool StyleSheetParser::p_property(const Orvo::WString& a_name, const Vexa::StyleValueRef& a_value) {
    const Vexa::StylePropertyDescription& description = *m_registry.find_property(a_name);
    const Vexa::StyleValueType type = a_value->get_type();
    bool taken = false;
    for (const auto& [registered_type, registrations] : description.registrations) {
        if (type != Vexa::StyleValueType_PARENT && registered_type != type)
            continue;
        for (const Vexa::StylePropertyRegistration& registration : registrations)
            m_builder.property(registration.manager->get_widget_class(), registration.index,
                               a_value);
        taken = true;
    }
    if (taken || type != Vexa::StyleValueType_STRING)
        return taken;
    const auto* enumerated = description.registrations.find_value(Vexa::StyleValueType_ENUMERATED);
    if (!enumerated)
        return false;
    for (const Vexa::StylePropertyRegistration& registration : *enumerated) {
        if (const Vexa::StyleValueRef* mapped =
                registration.enumeration.find_value(a_value->to_string())) {
            m_builder.property(registration.manager->get_widget_class(), registration.index,
                               *mapped);
            taken = true;
        }
    }
    return taken;
}

void StyleSheetParser::p_notice(const yy::location& a_location, const char16_t* a_template,
                                const Orvo::WString& a_name) {
    if (m_notice_sink)
        m_notice_sink(
            StyleSheetError{position_of(a_location), Orvo::format_message(a_template, {a_name})});
}

} // namespace CssParser

namespace yy {

parser::symbol_type yylex(CssParser::StyleSheetParser& driver) {
    using namespace CssParser;
    LexerToken token = driver.next_token();
    const yy::location location = location_of(token);
    switch (token.kind) {
    case Token_FAILURE:
    case Token_END_OF_INPUT:
        return parser::make_YYEOF(location);
    case Token_UNDEFINED:
        return parser::make_YYUNDEF(location);
    case Token_T_BOOLEAN:
        return parser::make_T_BOOLEAN(token.boolean, location);
    case Token_T_COLOR:
        return parser::make_T_COLOR(token.color, location);
    case Token_T_DIMENSION:
        return parser::make_T_DIMENSION(token.dimension, location);
    case Token_T_ID:
        return parser::make_T_ID(std::move(token.text), location);
    case Token_T_INTEGER:
        return parser::make_T_INTEGER(token.integer, location);
    case Token_T_STRING:
        return parser::make_T_STRING(std::move(token.text), location);
    default: // keywords and single characters carry no value
        return parser::symbol_type(token.kind, location);
    }
}

} // namespace yy
