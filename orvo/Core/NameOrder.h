#pragma once
// The order of names that people see listed: preset folders and presets, the file dialogs.
//
// Names compare code unit by code unit after folding only the letters A to Z to a to z (the
// comparison the preset files were always sorted and found with); a name that is a prefix of
// another sorts first. Names that differ only in the case of those letters can both exist on
// this platform's file systems: sorts_before puts them in the order of their exact code units,
// so a listing never depends on the order in which the system gave the names.

#include <string_view>

namespace Orvo {

class NameOrder {
public:
    static constexpr char16_t fold(char16_t a_unit) noexcept {
        return a_unit >= u'A' && a_unit <= u'Z' ? char16_t(a_unit - u'A' + u'a') : a_unit;
    }
    // Negative, zero or positive like a three-way comparison; zero for names equal when folded.
    static int compare(std::u16string_view a_first, std::u16string_view a_second) noexcept;
    // The folded comparison, then the exact code units among names equal when folded.
    static bool sorts_before(std::u16string_view a_first, std::u16string_view a_second) noexcept {
        const int folded = compare(a_first, a_second);
        return folded != 0 ? folded < 0 : a_first < a_second;
    }
};

} // namespace Orvo
