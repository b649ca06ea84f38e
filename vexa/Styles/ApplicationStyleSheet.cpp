// The application's style sheet loading; it lives with the styles so that the application object
// itself stays free of graphics.

#include "orvo/Core/Exception.h"
#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheetSource.h"

namespace Vexa {

void Application::load_style_sheet(const Orvo::WString& a_path) {
    load_style_sheet_text(read_style_sheet_file(a_path));
}

void Application::load_style_sheet_text(std::u16string_view a_text) {
    ParsedStyleSheet parsed = parse_style_sheet(a_text, StyleRegistry::get());
    m_style_sheet = std::move(parsed.sheet);
    if (parsed.error_count > 0)
        throw Orvo::Exception(Orvo::WString(u"Couldn't load stylesheet."));
}

} // namespace Vexa
