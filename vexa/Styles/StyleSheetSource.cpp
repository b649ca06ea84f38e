#include "vexa/Styles/StyleSheetSource.h"

#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/FileInputStream.h"
#include "orvo/Streams/InputStreamReader.h"
#include "orvo/Streams/MemoryInputStream.h"

#include <vector>

namespace Vexa {

namespace {

Orvo::WString join_lines(Orvo::InputStreamReader& a_reader) {
    Orvo::WString text;
    Orvo::WString line;
    bool first = true;
    while (a_reader.read_line(line)) {
        if (!first)
            text += u'\n';
        text += line;
        first = false;
    }
    return text;
}

} // namespace

Orvo::WString read_style_sheet_text(std::span<const unsigned char> a_bytes) {
    Orvo::MemoryInputStream input(a_bytes.data(), a_bytes.size());
    Orvo::InputStreamReader reader(&input);
    if (reader.get_encoding() != Orvo::TextEncoding_NONE)
        return join_lines(reader);
    // No byte-order mark: plain UTF-8, with the mark's line handling.
    static constexpr unsigned char mark[] = {0xEF, 0xBB, 0xBF};
    std::vector<unsigned char> marked(std::begin(mark), std::end(mark));
    marked.insert(marked.end(), a_bytes.begin(), a_bytes.end());
    Orvo::MemoryInputStream marked_input(marked.data(), marked.size());
    Orvo::InputStreamReader marked_reader(&marked_input);
    return join_lines(marked_reader);
}

Orvo::WString read_style_sheet_file(const Orvo::WString& a_path) {
    Orvo::FileInputStream input(a_path);
    std::vector<unsigned char> bytes;
    unsigned char buffer[4096];
    while (const unsigned count = input.try_read(sizeof buffer, buffer))
        bytes.insert(bytes.end(), buffer, buffer + count);
    return read_style_sheet_text(bytes);
}

ParsedStyleSheet parse_style_sheet(std::u16string_view a_text, const StyleRegistry& a_registry,
                                   const CssParser::ErrorSink& a_sink) {
    auto sheet = std::make_shared<StyleSheet>(a_registry);
    CssParser::StyleSheetParser parser(a_registry, *sheet);
    parser.set_error_sink(a_sink);
    const int errors = parser.parse(a_text);
    return ParsedStyleSheet{std::move(sheet), errors};
}

} // namespace Vexa
