#include "tools/stylecheck/StyleCheck.h"

#include "chorus/gui/ChorusStyles.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheetSource.h"

#include <ostream>

namespace StyleCheck {

namespace {

constexpr const char* usage = "usage: stylecheck FILE\n"
                              "Checks a style sheet (such as the installed stylesheet.dat) and "
                              "prints its errors with line and column.\n";

void print(std::ostream& a_out, const std::string& a_file,
           const CssParser::StyleSheetError& a_error, const char* a_kind) {
    a_out << a_file << ':' << a_error.position.line << ':' << a_error.position.column << ": "
          << a_kind << Orvo::utf16_to_utf8_lossy(a_error.message.view()) << '\n';
}

} // namespace

int run(const std::vector<std::string>& a_arguments, std::ostream& a_out, std::ostream& a_err) {
    if (a_arguments.size() != 1 || a_arguments[0].empty() || a_arguments[0][0] == '-') {
        a_err << usage;
        return a_arguments.size() == 1 && (a_arguments[0] == "--help" || a_arguments[0] == "-h")
                   ? 0
                   : 2;
    }
    const std::string& file = a_arguments[0];
    try {
        tolvanchorus::add_editor_style_catalogues();
        const Orvo::WString text = Vexa::read_style_sheet_file(Orvo::utf8_to_utf16_lossy(file));
        Vexa::StyleSheet sheet(Vexa::StyleRegistry::get());
        CssParser::StyleSheetParser parser(Vexa::StyleRegistry::get(), sheet);
        parser.set_error_sink(
            [&](const CssParser::StyleSheetError& a_error) { print(a_out, file, a_error, ""); });
        parser.set_notice_sink([&](const CssParser::StyleSheetError& a_error) {
            print(a_out, file, a_error, "warning: ");
        });
        const int errors = parser.parse(text);
        if (errors > 0)
            a_err << file << ": " << errors << (errors == 1 ? " error\n" : " errors\n");
        return errors > 0 ? 1 : 0;
    } catch (const std::exception& a_exception) {
        a_err << "stylecheck: " << file << ": " << a_exception.what() << '\n';
        return 1;
    }
}

} // namespace StyleCheck
