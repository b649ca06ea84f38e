#include "vexa/Graphics/GdiPlus_Font.h"

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "vexa/Graphics/CairoHandle.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

namespace Vexa {

namespace {

struct FoundFace {
    std::shared_ptr<cairo_font_face_t> face;
    std::string family;
};

std::string lower_case(std::string a_text) {
    std::transform(a_text.begin(), a_text.end(), a_text.begin(),
                   [](unsigned char a_c) { return char(std::tolower(a_c)); });
    return a_text;
}

// Names that the system's style sheets use for the Windows core fonts, mapped to the generic
// families that fontconfig always resolves. Generic names stand for themselves.
std::string generic_family_for(const std::string& a_lower_name) {
    static const std::map<std::string, std::string> aliases = {
        {"arial", "sans-serif"},      {"helvetica", "sans-serif"},
        {"tahoma", "sans-serif"},     {"verdana", "sans-serif"},
        {"segoe ui", "sans-serif"},   {"ms sans serif", "sans-serif"},
        {"courier new", "monospace"}, {"courier", "monospace"},
        {"consolas", "monospace"},    {"lucida console", "monospace"},
        {"times new roman", "serif"}, {"sans-serif", "sans-serif"},
        {"sans", "sans-serif"},       {"serif", "serif"},
        {"monospace", "monospace"},   {"mono", "monospace"},
    };
    const auto found = aliases.find(a_lower_name);
    return found == aliases.end() ? std::string() : found->second;
}

using FcPatternHandle = CairoHandle<FcPattern, FcPatternDestroy>;

// Looks the family up; an empty result when fontconfig only offers a substitute.
FoundFace match_family(const std::string& a_family) {
    const std::string lower = lower_case(a_family);
    const std::string generic = generic_family_for(lower);
    const std::string query = generic.empty() ? a_family : generic;

    FcPatternHandle pattern(FcPatternCreate());
    if (!pattern)
        return {};
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(query.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FcPatternHandle match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match)
        return {};
    FcChar8* found_family = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &found_family) != FcResultMatch)
        return {};
    const std::string family = reinterpret_cast<const char*>(found_family);
    // fontconfig answers every query with some font: a named family counts as found only when
    // the match carries that name.
    if (generic.empty() && lower_case(family) != lower)
        return {};
    FoundFace found;
    found.family = family;
    found.face = make_shared_cairo<cairo_font_face_t, cairo_font_face_destroy>(
        cairo_ft_font_face_create_for_pattern(match.get()));
    if (!found.face || cairo_font_face_status(found.face.get()) != CAIRO_STATUS_SUCCESS)
        return {};
    return found;
}

// Faces are looked up once per family and shared for the life of the process, as the generic
// sans-serif fallback is.
FoundFace face_for(const std::string& a_family) {
    static std::mutex lock;
    static std::map<std::string, FoundFace> cache;
    std::lock_guard guard(lock);
    const auto cached = cache.find(a_family);
    if (cached != cache.end())
        return cached->second;
    FoundFace found = match_family(a_family);
    if (!found.face) {
        const auto fallback = cache.find("sans-serif");
        found = fallback != cache.end() ? fallback->second : match_family("sans-serif");
        cache.emplace("sans-serif", found);
    }
    cache.emplace(a_family, found);
    return found;
}

} // namespace

GdiPlus_Font::GdiPlus_Font(std::u16string_view a_family, double a_size, int a_unit) {
    if (a_unit != FontSizeUnit_PIXEL && a_unit != FontSizeUnit_POINT)
        throw Orvo::Exception(Orvo::WString(u"Invalid font size unit."));
    FoundFace found = face_for(Orvo::utf16_to_utf8_lossy(a_family));
    auto data = std::make_shared<Data>();
    data->face = std::move(found.face);
    data->family = std::move(found.family);
    data->pixel_size = a_unit == FontSizeUnit_POINT ? a_size * 96.0 / 72.0 : a_size;
    m_data = std::move(data);
}

} // namespace Vexa
