#pragma once
// Where a sheet's text comes from and how it becomes a compiled sheet.
//
// Text is read line by line through the text reader (UTF-8 or UTF-16 with a byte-order mark) and
// the lines are joined with line feeds. A file without a mark is read as UTF-8: editors commonly
// drop the mark, and such a sheet should not silently turn empty.

#include "orvo/Core/String.h"
#include "vexa/Styles/Parser/StyleSheetParser.h"
#include "vexa/Styles/StyleSheet.h"

#include <memory>
#include <span>

namespace Vexa {

struct ParsedStyleSheet {
    // Whatever could be built, also when there were errors.
    std::shared_ptr<const StyleSheet> sheet;
    int error_count = 0;
};

// Fails with the stream's own exceptions (a file that cannot be opened, text that is not valid in
// its encoding).
Orvo::WString read_style_sheet_text(std::span<const unsigned char> a_bytes);
Orvo::WString read_style_sheet_file(const Orvo::WString& a_path);

ParsedStyleSheet parse_style_sheet(std::u16string_view a_text, const StyleRegistry& a_registry,
                                   const CssParser::ErrorSink& a_sink = {});

} // namespace Vexa
