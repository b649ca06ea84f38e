// The product's own style sheet and how the plug-in loads a sheet at start-up.

#include "../support/TemporaryFolder.h"
#include "chorus/TheEffect.h"
#include "chorus/gui/ChorusStyles.h"
#include "orvo/Core/Utf.h"
#include "tests/support/FailureMessage.h"
#include "tonekit/Gui/DeviceStyleSheet.h"
#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheetSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_messages;

void collect(const CssParser::StyleSheetError& a_error) {
    g_messages.push_back(std::to_string(a_error.position.line) + ":" +
                         std::to_string(a_error.position.column) + ": " +
                         Orvo::to_utf8(a_error.message.view()));
}

class ShippedStyleSheet : public testing::Test {
protected:
    static void SetUpTestSuite() { tolvanchorus::add_editor_style_catalogues(); }
    void SetUp() override { g_messages.clear(); }
};

TEST_F(ShippedStyleSheet, ParsesWithoutErrorsAndUsesOnlyRegisteredNames) {
    const Orvo::WString text =
        Vexa::read_style_sheet_text(tolvanchorus::get_embedded_style_sheet());
    Vexa::StyleSheet sheet(Vexa::StyleRegistry::get());
    CssParser::StyleSheetParser parser(Vexa::StyleRegistry::get(), sheet);
    parser.set_error_sink(collect);
    parser.set_notice_sink(collect);
    EXPECT_EQ(parser.parse(text), 0);
    EXPECT_EQ(g_messages, std::vector<std::string>());
    EXPECT_NE(sheet.find_description(Vexa::StyleRegistry::get().find_class(u"Panel")->id), nullptr);
}

double luminance(Vexa::GdiPlus_Color a_color) {
    double sum = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722};
    const unsigned channels[] = {a_color.get_red(), a_color.get_green(), a_color.get_blue()};
    for (int i = 0; i < 3; ++i) {
        const double c = channels[i] / 255.0;
        sum += weights[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}

TEST_F(ShippedStyleSheet, TextIsLegibleOnItsBackgrounds) {
    const Orvo::WString text =
        Vexa::read_style_sheet_text(tolvanchorus::get_embedded_style_sheet());
    Vexa::StyleSheet sheet(Vexa::StyleRegistry::get());
    CssParser::StyleSheetParser parser(Vexa::StyleRegistry::get(), sheet);
    ASSERT_EQ(parser.parse(text), 0);
    const auto color = [&](const char16_t* a_name) {
        return parser.get_objects().get(Orvo::WString(a_name))->to_color();
    };
    const std::pair<const char16_t*, const char16_t*> pairs[] = {
        {u"text_color", u"window_color"},       {u"text_color", u"surface_color"},
        {u"text_color", u"raised_color"},       {u"text_color", u"raised_hover_color"},
        {u"text_color", u"sunken_color"},       {u"quiet_text_color", u"surface_color"},
        {u"quiet_text_color", u"raised_color"}, {u"accent_text_color", u"accent_color"},
        {u"text_color", u"accent_fill_color"},
    };
    for (const auto& [foreground, background] : pairs) {
        const double a = luminance(color(foreground)), b = luminance(color(background));
        EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 4.5)
            << Orvo::to_utf8(foreground) << " on " << Orvo::to_utf8(background);
    }
}

// Start-up: the common data folder's file when there is one, else the plug-in's own copy.
struct StartUpCase {
    const char* name;
    const char* file; // nullptr: no file
    unsigned users;   // the application's users while the device starts
    bool critical_error;
    bool sheet_loaded;
};

const StartUpCase start_up_cases[] = {
    {"NoFileTakesTheEmbeddedSheet", nullptr, 1, false, true},
    {"InstalledFileIsLoaded", "class Widget;\nend class;\n", 1, false, true},
    {"BrokenFileIsACriticalError", "class Widget;\n  color: @nowhere;\nend class;\n", 1, true,
     true},
    {"UnreadableTextIsACriticalError", "\xEF\xBB\xBF\xFF\xFE broken", 1, true, false},
    {"OnlyTheFirstInstanceLoads", "class Widget;\n", 2, false, false},
};

class StyleSheetAtStartUp : public testing::TestWithParam<StartUpCase> {
protected:
    void SetUp() override {
        tolvanchorus::add_editor_style_catalogues();
        setenv("XDG_DATA_HOME", (m_folder.path() / "user").c_str(), 1);
        setenv("XDG_DATA_DIRS", (m_folder.path() / "common").c_str(), 1);
    }
    TestSupport::TemporaryFolder m_folder;
};

TEST_P(StyleSheetAtStartUp, LoadsOrReportsAsTheFilesSay) {
    const StartUpCase& c = GetParam();
    for (unsigned i = 0; i < c.users; ++i)
        Vexa::Application::acquire();
    tolvanchorus::TheEffect effect;
    effect.initialize();
    if (c.file) {
        const std::filesystem::path path =
            Orvo::to_utf8(Tonekit::DeviceStyleSheet::get_path(effect).view());
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << c.file;
    }
    tolvanchorus::load_style_sheet_at_start(effect);
    EXPECT_EQ(effect.has_critical_error(), c.critical_error);
    if (c.critical_error) {
        EXPECT_EQ(Orvo::to_utf8(effect.get_critical_error().view()), "Couldn't load style sheet.");
    }
    EXPECT_EQ(Vexa::Application::get()->get_style_sheet() != nullptr, c.sheet_loaded);
    for (unsigned i = 0; i < c.users; ++i)
        Vexa::Application::release();
}

INSTANTIATE_TEST_SUITE_P(Files, StyleSheetAtStartUp, testing::ValuesIn(start_up_cases),
                         [](const auto& a_info) { return std::string(a_info.param.name); });

TEST(ApplicationStyleSheet, KeepsTheNewSheetAndThenFails) {
    Vexa::Application::acquire();
    tolvanchorus::add_editor_style_catalogues();
    Vexa::Application& application = *Vexa::Application::get();
    application.load_style_sheet_text(u"class Widget;\nend class;");
    const auto first = application.get_style_sheet();
    EXPECT_EQ(TestSupport::failure_message(
                  [&] { application.load_style_sheet_text(u"class Widget;\n"); }),
              u"Couldn't load stylesheet.");
    EXPECT_NE(application.get_style_sheet(), first);
    EXPECT_NE(application.get_style_sheet(), nullptr);
    Vexa::Application::release();
}

} // namespace
