// Parsing the product's style sheet, as the first plug-in instance does at start-up: scanning,
// parsing and building the compiled sheet with its graphic values. Fonts are looked up once per
// process and then shared, so the iterations measure every load after the process's first; the
// first also pays fontconfig's start. Target: under 5 ms.

#include "chorus/gui/ChorusStyles.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheetSource.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

namespace {

const Vexa::StyleRegistry& registry() {
    static const Vexa::StyleRegistry& instance = []() -> const Vexa::StyleRegistry& {
        tolvanchorus::add_editor_style_catalogues();
        return Vexa::StyleRegistry::get();
    }();
    return instance;
}

void parse_shipped_sheet(benchmark::State& a_state) {
    const Orvo::WString text =
        Vexa::read_style_sheet_text(tolvanchorus::get_embedded_style_sheet());
    for (auto _ : a_state) {
        const Vexa::ParsedStyleSheet parsed = Vexa::parse_style_sheet(text, registry());
        if (parsed.error_count != 0)
            std::abort();
        benchmark::DoNotOptimize(parsed.sheet.get());
    }
    a_state.SetBytesProcessed(std::int64_t(a_state.iterations()) * std::int64_t(text.size()) * 2);
}
BENCHMARK(parse_shipped_sheet)->Unit(benchmark::kMillisecond);

// Reading the text from the file's bytes as well: the whole load short of the file system.
void read_and_parse_shipped_sheet(benchmark::State& a_state) {
    for (auto _ : a_state) {
        const Orvo::WString text =
            Vexa::read_style_sheet_text(tolvanchorus::get_embedded_style_sheet());
        const Vexa::ParsedStyleSheet parsed = Vexa::parse_style_sheet(text, registry());
        benchmark::DoNotOptimize(parsed.sheet.get());
    }
}
BENCHMARK(read_and_parse_shipped_sheet)->Unit(benchmark::kMillisecond);

} // namespace
