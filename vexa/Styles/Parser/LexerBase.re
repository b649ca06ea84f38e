// The scanner's automaton (re2c input; LexerBase.cpp is generated from it at build time).

#include "vexa/Styles/Parser/LexerBase.h"

namespace CssParser {

LexerToken LexerBase::next_token() {
    LexerToken token;
    for (;;) {
        token.begin = m_position;
        if (m_finished) {
            token.end = m_position;
            return token;
        }
        const char16_t* const start = m_cursor;
        /*!re2c
            re2c:api = custom;
            re2c:api:style = free-form;
            re2c:define:YYCTYPE = char16_t;
            re2c:define:YYPEEK = "(m_cursor < m_end ? *m_cursor : u'\\0')";
            re2c:define:YYSKIP = "++m_cursor;";
            re2c:define:YYBACKUP = "m_marker = m_cursor;";
            re2c:define:YYRESTORE = "m_cursor = m_marker;";
            re2c:yyfill:enable = 0;
            re2c:indent:top = 2;

            digit = [0-9];
            hex = [0-9a-fA-F];
            letter = [a-zA-Z];
            float = digit+ ("." digit*)? | "." digit+;
            escape = "\\" ([\\"nrt] | "u" hex{4});

            "\x00" {
                if (m_cursor > m_end) {
                    m_cursor = m_end;
                    m_finished = true;
                    continue;
                }
                // A NUL inside the text: code 0 would end the parse, so it goes on as a code the
                // parser knows as no character at all.
                token.kind = Token_UNDEFINED;
                goto done;
            }
            [ \t\r\n\f\v]+ { p_advance(start); continue; }
            "//" [^\n\x00]* { p_advance(start); continue; }
            "/*" ([^*\x00] | "*"+ [^*/\x00])* "*"+ "/" { p_advance(start); continue; }

            "yes" { token.kind = Token_T_BOOLEAN; token.boolean = true; goto done; }
            "no" { token.kind = Token_T_BOOLEAN; token.boolean = false; goto done; }
            "case" { token.kind = Token_T_CASE; goto done; }
            "class" { token.kind = Token_T_CLASS; goto done; }
            "double_border" { token.kind = Token_T_DOUBLE_BORDER; goto done; }
            "end" { token.kind = Token_T_END; goto done; }
            "font" { token.kind = Token_T_FONT; goto done; }
            "frame" { token.kind = Token_T_FRAME; goto done; }
            "inherit" { token.kind = Token_T_INHERIT; goto done; }
            "no_border" { token.kind = Token_T_NO_BORDER; goto done; }
            "parent" { token.kind = Token_T_PARENT; goto done; }
            "pen" { token.kind = Token_T_PEN; goto done; }
            "rgb" { token.kind = Token_T_RGB; goto done; }
            "single_border" { token.kind = Token_T_SINGLE_BORDER; goto done; }
            "solid_brush" { token.kind = Token_T_SOLID_BRUSH; goto done; }
            "subclass" { token.kind = Token_T_SUBCLASS; goto done; }

            [a-zA-Z_][a-zA-Z0-9_]* {
                token.kind = Token_T_ID;
                token.text = Orvo::WString(std::u16string_view(start, m_cursor - start));
                goto done;
            }
            "#" (hex{6} | hex{8}) {
                token.kind = Token_T_COLOR;
                token.color = parse_color(std::u16string_view(start, m_cursor - start));
                goto done;
            }
            "-"? digit+ {
                token.kind = Token_T_INTEGER;
                token.integer = parse_integer(std::u16string_view(start, m_cursor - start),
                                              token.out_of_range);
                goto done;
            }
            digit+ ("[" float "]")? letter* {
                token.kind = Token_T_DIMENSION;
                token.dimension = parse_dimension(std::u16string_view(start, m_cursor - start),
                                                  token.out_of_range);
                goto done;
            }
            ["] ([^"\\\n\x00] | escape)* ["] {
                token.kind = Token_T_STRING;
                token.text = parse_string(start, std::size_t(m_cursor - start));
                goto done;
            }
            [=;@(,)[\]+\-:] { token.kind = int(*start); goto done; }
            "/*" | ["] | "#" {
                token.kind = Token_FAILURE;
                m_finished = true;
                token.end = m_position;
                return token;
            }
            * {
                token.kind = *start < 0x100 ? int(*start) : int(Token_UNDEFINED);
                goto done;
            }
        */
    done:
        p_advance(start);
        token.end = m_position;
        return token;
    }
}

} // namespace CssParser
