// Reads arbitrary bytes as a style sheet file and parses it against the plug-in's registry. The
// text reader may refuse bytes that are not valid in their encoding (Orvo::Exception); after
// that, every failure must come out as a counted error: any exception escaping the parser, a
// crash, a leak or a hang is a finding.

#include "chorus/gui/ChorusStyles.h"
#include "orvo/Core/Exception.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheetSource.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size) {
    static const Vexa::StyleRegistry& registry = []() -> const Vexa::StyleRegistry& {
        tolvanchorus::add_editor_style_catalogues();
        return Vexa::StyleRegistry::get();
    }();
    Orvo::WString text;
    try {
        text = Vexa::read_style_sheet_text({a_data, a_size});
    } catch (const Orvo::Exception&) {
        return 0;
    }
    int reported = 0;
    const Vexa::ParsedStyleSheet parsed = Vexa::parse_style_sheet(
        text, registry, [&reported](const CssParser::StyleSheetError&) { ++reported; });
    if (!parsed.sheet || reported != parsed.error_count) {
        std::fprintf(stderr, "StyleSheetFuzz: %d errors counted, %d reported\n", parsed.error_count,
                     reported);
        std::abort();
    }
    return 0;
}
