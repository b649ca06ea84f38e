// The language: tokens and their values, error messages with their positions, and the generated
// parser's terminal numbers.

#include "StyleSheetGrammar.hpp"
#include "StyleTestRegistry.h"
#include "vexa/Styles/Parser/LexerBase.h"
#include "vexa/Styles/StyleValue_Typed.h"

#include <gtest/gtest.h>

using namespace StyleTests;
using CssParser::LexerBase;
using CssParser::LexerToken;

namespace {

std::vector<LexerToken> scan(std::u16string_view a_text) {
    LexerBase lexer(a_text);
    std::vector<LexerToken> tokens;
    for (;;) {
        tokens.push_back(lexer.next_token());
        if (tokens.back().kind <= 0)
            return tokens;
    }
}

struct TokenCase {
    const char16_t* text;
    int kind;
    std::string value; // the value's description, empty for none
};

std::string value_of(const LexerToken& a_token) {
    using namespace Vexa;
    switch (a_token.kind) {
    case CssParser::Token_T_BOOLEAN:
        return describe(StyleValue_Boolean(a_token.boolean));
    case CssParser::Token_T_COLOR:
        return describe(StyleValue_Color(a_token.color));
    case CssParser::Token_T_DIMENSION:
        return describe(StyleValue_Dimension(a_token.dimension));
    case CssParser::Token_T_INTEGER:
        return describe(StyleValue_Integer(a_token.integer));
    case CssParser::Token_T_ID:
    case CssParser::Token_T_STRING:
        return describe(StyleValue_String(a_token.text));
    default:
        return "";
    }
}

class SingleToken : public testing::TestWithParam<TokenCase> {};

TEST_P(SingleToken, ScansAsOneTokenWithItsValue) {
    const std::vector<LexerToken> tokens = scan(GetParam().text);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].kind, GetParam().kind);
    EXPECT_EQ(value_of(tokens[0]), GetParam().value);
    EXPECT_EQ(tokens[1].kind, CssParser::Token_END_OF_INPUT);
}

using namespace CssParser;

INSTANTIATE_TEST_SUITE_P(
    Tokens, SingleToken,
    testing::Values(
        // colours: six digits are opaque, eight carry alpha last, either case
        TokenCase{u"#a0B1c2", Token_T_COLOR, "#FFA0B1C2"},
        TokenCase{u"#11223380", Token_T_COLOR, "#80112233"},
        // numbers: digits alone are integers; a unit or an exponent makes a dimension
        TokenCase{u"42", Token_T_INTEGER, "42"}, TokenCase{u"-42", Token_T_INTEGER, "-42"},
        TokenCase{u"12px", Token_T_DIMENSION, "12px[1]"},
        TokenCase{u"12pt", Token_T_DIMENSION, "12pt[1]"},
        TokenCase{u"12em", Token_T_DIMENSION, "12[1]"},
        TokenCase{u"12pxx", Token_T_DIMENSION, "12[1]"},
        TokenCase{u"3[0]px", Token_T_DIMENSION, "3px[0]"},
        TokenCase{u"3[0.5]", Token_T_DIMENSION, "3[0.5]"},
        TokenCase{u"3[2.]pt", Token_T_DIMENSION, "3pt[2]"},
        TokenCase{u"3[.25]", Token_T_DIMENSION, "3[0.25]"},
        // keywords before identifiers; true and false are identifiers
        TokenCase{u"yes", Token_T_BOOLEAN, "yes"}, TokenCase{u"no", Token_T_BOOLEAN, "no"},
        TokenCase{u"true", Token_T_ID, "\"true\""}, TokenCase{u"classy", Token_T_ID, "\"classy\""},
        TokenCase{u"_a1", Token_T_ID, "\"_a1\""}, TokenCase{u"subclass", Token_T_SUBCLASS, ""},
        TokenCase{u"solid_brush", Token_T_SOLID_BRUSH, ""},
        // strings and their escapes
        TokenCase{u"\"\"", Token_T_STRING, "\"\""},
        TokenCase{u"\"a\\\"b\\\\c\"", Token_T_STRING, "\"a\"b\\c\""},
        TokenCase{u"\"\\t\\n\\r\"", Token_T_STRING, "\"\t\n\r\""},
        TokenCase{u"\"\\u00e9\\u20AC\"", Token_T_STRING, "\"\xC3\xA9\xE2\x82\xAC\""},
        TokenCase{u"\"\u00e9 // not a comment\"", Token_T_STRING, "\"\xC3\xA9 // not a comment\""},
        // anything else goes on as the character itself
        TokenCase{u":", ':', ""}, TokenCase{u"!", '!', ""}, TokenCase{u"/", '/', ""},
        TokenCase{u"\u4e2d", Token_UNDEFINED, ""}));

TEST(StyleSheetLexer, SkipsCommentsAndCountsLinesAndColumns) {
    const std::vector<LexerToken> tokens = scan(u"// line\n  /* a\n b */ end\t;\n\"x\\\"\" @");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].kind, Token_T_END);
    EXPECT_EQ(tokens[0].begin, (SourcePosition{3, 7}));
    EXPECT_EQ(tokens[0].end, (SourcePosition{3, 10}));
    EXPECT_EQ(tokens[1].begin, (SourcePosition{3, 11}));
    EXPECT_EQ(tokens[2].kind, Token_T_STRING);
    EXPECT_EQ(tokens[2].begin, (SourcePosition{4, 1}));
    EXPECT_EQ(tokens[3].begin, (SourcePosition{4, 7}));
    EXPECT_EQ(tokens[4].kind, Token_END_OF_INPUT);
}

TEST(StyleSheetLexer, UnmatchableInputEndsTheTokens) {
    for (const char16_t* text : {u"a #123 b", u"a \"open b", u"a \"x\ny\" b", u"a /* open b",
                                 u"a \"\\q\" b", u"a #1234567 b"}) {
        const std::vector<LexerToken> tokens = scan(text);
        ASSERT_GE(tokens.size(), 2u);
        EXPECT_EQ(tokens[1].kind, text == std::u16string_view(u"a #1234567 b")
                                      ? int(Token_T_COLOR)
                                      : int(Token_FAILURE));
    }
}

struct ErrorCase {
    const char* name;
    const char16_t* sheet;
    std::vector<std::string> errors;
};

const ErrorCase error_cases[] = {
    {"EmptyText", u"", {"1:1: syntax error, unexpected $end, expecting T_CLASS or T_ID"}},
    {"UndefinedObject",
     u"class Widget;\n  color: @ink;\nend class;",
     {"2:10: Undefined object: \"ink\""}},
    {"ObjectDefinedTwice", u"a = 1;\na = 2;", {"2:1: Object \"a\" already defined"}},
    {"PenNeedsAColour", u"p = pen(5);", {"1:5: Invalid arguments for function \"pen\"."}},
    {"PenWidthNotNegative",
     u"p = pen(#000000, -1);",
     {"1:5: Invalid arguments for function \"pen\"."}},
    {"BrushNeedsAColour",
     u"b = solid_brush(\"red\");",
     {"1:5: Invalid arguments for function \"solid_brush\"."}},
    {"FontNeedsPixelsOrPoints",
     u"f = font(\"Sans\", 12);\ng = font(\"Sans\", 12em);",
     {"1:5: Invalid arguments for function \"font\".",
      "2:5: Invalid arguments for function \"font\"."}},
    {"RgbComponentsInRange",
     u"c = rgb(1, 256, 3);",
     {"1:5: Invalid arguments for function \"rgb\"."}},
    {"ErrorsDoNotCascade",
     u"a = pen(1);\nb = frame(single_border(#000000, #ffffff), @a);\n",
     {"1:5: Invalid arguments for function \"pen\"."}},
    {"ParseGoesOnAfterSemanticErrors",
     u"a = @x;\nb = @y;",
     {"1:5: Undefined object: \"x\"", "2:5: Undefined object: \"y\""}},
    {"UnknownClass",
     u"class Gadget inherit Nothing; color: #000000; end class;",
     {"1:7: Undefined class: \"Gadget\"", "1:22: Undefined class: \"Nothing\""}},
    {"FrameIsNoPropertyName",
     u"class Widget;\n  frame: no_border();\nend class;",
     {"2:3: syntax error, unexpected T_FRAME"}},
    {"SubclassesAfterProperties",
     u"class Widget; subclass a; end subclass; color: #000000; end class;",
     {"1:41: syntax error, unexpected T_ID, expecting T_END or T_SUBCLASS"}},
    {"SwitchesBeforeProperties",
     u"class Widget; subclass default; case a; color: #000000; +pushed; end case;\n"
     u"end subclass; end class;",
     {"1:57: syntax error, unexpected '+', expecting T_END or T_FONT or T_ID or T_PEN"}},
    {"StrayCharacter", u"a = 1 !", {"1:7: syntax error, unexpected invalid token, expecting ';'"}},
    {"ShortColourIsALexerFailure",
     u"c = #123;",
     {"1:5: Error", "1:5: syntax error, unexpected $end"}},
    {"ListsNestedTooDeeply",
     u"a = [[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]];\nb = 1;",
     {"1:21: Lists nested too deeply.", "1:21: syntax error, unexpected $end"}},
    {"IntegerOutOfRange", u"a = 2147483648;\nb = -2147483648;", {"1:5: Number out of range."}},
};

class StyleSheetErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(StyleSheetErrors, AreReportedWithTheirPositions) {
    StyleTestRegistry registry;
    std::vector<std::string> errors;
    registry.parse(GetParam().sheet, &errors);
    EXPECT_EQ(errors, GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(Sheets, StyleSheetErrors, testing::ValuesIn(error_cases),
                         [](const auto& a_info) { return std::string(a_info.param.name); });

TEST(StyleSheetParser, NumbersItsTerminalsAsTheScannerDoes) {
    using token = yy::parser::token;
    const int numbers[] = {token::T_BOOLEAN,   token::T_CASE,          token::T_CLASS,
                           token::T_COLOR,     token::T_DIMENSION,     token::T_DOUBLE_BORDER,
                           token::T_END,       token::T_FONT,          token::T_FRAME,
                           token::T_ID,        token::T_INHERIT,       token::T_INTEGER,
                           token::T_NO_BORDER, token::T_PARENT,        token::T_PEN,
                           token::T_RGB,       token::T_SINGLE_BORDER, token::T_SOLID_BRUSH,
                           token::T_STRING,    token::T_SUBCLASS};
    // The scanner's own numbering: a terminal added to the grammar must not shift them.
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(numbers[i], Token_T_BOOLEAN + i);
}

} // namespace
