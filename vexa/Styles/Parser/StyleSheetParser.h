#pragma once
// Parses one style sheet text into a compiled sheet. The generated parser (yy::parser) calls back
// into this object from its actions; it keeps the predefined objects of the text, counts the
// errors and hands each one, with its position, to the error sink.
//
// Syntax errors end the parse (the grammar has no recovery); semantic errors (an unknown object
// or class, wrong function arguments) are counted and the parse goes on without the value.
// Nothing escapes as an exception: an unexpected failure inside the parse is reported as an error
// at the position reached.

#include "orvo/Containers/Map.h"
#include "vexa/Styles/Parser/LexerBase.h"
#include "vexa/Styles/StyleClass.h"
#include "vexa/Styles/StyleSheetBuilder.h"
#include "vexa/Styles/StyleValue.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace yy {
class location;
}

namespace CssParser {

enum Function {
    Function_DOUBLE_BORDER,
    Function_FONT,
    Function_FRAME,
    Function_NO_BORDER,
    Function_PEN,
    Function_RGB,
    Function_SINGLE_BORDER,
    Function_SOLID_BRUSH
};

struct StyleSheetError {
    SourcePosition position;
    Orvo::WString message;
};

using ErrorSink = std::function<void(const StyleSheetError&)>;

class StyleSheetParser {
public:
    StyleSheetParser(const Vexa::StyleRegistry& a_registry, Vexa::StyleSheet& a_sheet);
    ~StyleSheetParser();

    void set_error_sink(ErrorSink a_sink) { m_sink = std::move(a_sink); }
    // Names that nothing registered are no errors (the sheet may be newer than the program), but
    // a checking tool wants to hear of them: property names, property types and switch names that
    // go nowhere, inside registered classes. Not counted as errors.
    void set_notice_sink(ErrorSink a_sink) { m_notice_sink = std::move(a_sink); }
    // Parses the whole text into the sheet; the number of errors.
    int parse(std::u16string_view a_text);
    int get_error_count() const noexcept { return m_error_count; }
    // The text's predefined objects (null for those whose definition had an error).
    const Orvo::Map<Orvo::WString, Vexa::StyleValueRef>& get_objects() const noexcept {
        return m_objects;
    }

    // For the generated parser.
    LexerToken next_token();
    void report(const SourcePosition& a_position, const Orvo::WString& a_message);
    void report(const yy::location& a_location, const std::string& a_message);
    void define_object(const yy::location& a_location, const Orvo::WString& a_name,
                       Vexa::StyleValueRef a_value);
    Vexa::StyleValueRef find_object(const yy::location& a_location, const Orvo::WString& a_name);
    Vexa::StyleValueRef call(Function a_function, const yy::location& a_location,
                             std::initializer_list<Vexa::StyleValueRef> a_arguments);
    Vexa::StyleValueRef make_list(std::vector<Vexa::StyleValueRef> a_elements);
    void begin_class(const yy::location& a_location, const Orvo::WString& a_name,
                     const Orvo::WString* a_inherited, const yy::location& a_inherited_location);
    void end_class();
    void begin_subclass(const Orvo::WString& a_name);
    void end_subclass();
    void begin_case(const Orvo::WString& a_name);
    void end_case();
    void add_switch(const yy::location& a_location, const Orvo::WString& a_name, bool a_value);
    void property(const yy::location& a_location, const Orvo::WString& a_name,
                  const Vexa::StyleValueRef& a_value);

private:
    Vexa::StyleClassId p_find_class(const yy::location& a_location, const Orvo::WString& a_name);
    // Whether any registration took the value.
    bool p_property(const Orvo::WString& a_name, const Vexa::StyleValueRef& a_value);
    void p_notice(const yy::location& a_location, const char16_t* a_template,
                  const Orvo::WString& a_name);
    Vexa::StyleValueRef p_evaluate(Function a_function,
                                   const std::vector<Vexa::StyleValueRef>& a_arguments) const;

    const Vexa::StyleRegistry& m_registry;
    Vexa::StyleSheetBuilder m_builder;
    LexerBase* m_lexer = nullptr;
    SourcePosition m_last_position;
    // Null values stand for objects whose definition had an error: using them says nothing more.
    Orvo::Map<Orvo::WString, Vexa::StyleValueRef> m_objects;
    int m_error_count = 0;
    int m_list_depth = 0;
    ErrorSink m_sink;
    ErrorSink m_notice_sink;
    // False inside the block of a class that is not registered: its contents go nowhere.
    bool m_in_known_class = false;
};

} // namespace CssParser
