#include "GalleryStyleSheet.h"

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheetSource.h"

#include <cstdio>
#include <exception>

namespace Gallery {

bool load_style_sheet(const char* a_path) {
    Orvo::WString text;
    try {
        text = Vexa::read_style_sheet_file(Orvo::utf8_to_utf16_lossy(a_path));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vexa-gallery: cannot read the style sheet %s: %s\n", a_path,
                     e.what());
        return false;
    }
    int shown_errors = 0;
    auto sink = [&](const CssParser::StyleSheetError& a_error) {
        const std::u16string_view message = a_error.message.view();
        if (message.starts_with(u"Undefined class:"))
            return;
        ++shown_errors;
        std::fprintf(stderr, "vexa-gallery: %s:%d:%d: %s\n", a_path, a_error.position.line,
                     a_error.position.column, Orvo::utf16_to_utf8_lossy(message).c_str());
    };
    Vexa::ParsedStyleSheet parsed =
        Vexa::parse_style_sheet(text.view(), Vexa::StyleRegistry::get(), sink);
    if (shown_errors > 0)
        std::fprintf(stderr,
                     "vexa-gallery: the style sheet has errors; using what could be read\n");
    Vexa::Application::get()->set_style_sheet(std::move(parsed.sheet));
    return shown_errors == 0;
}

} // namespace Gallery
