#pragma once
// One entry of a file dialog's filter list: a description the user picks ("Presets (*.preset)")
// and the patterns it stands for ("*.preset", several separated by ";").
//
// Patterns match whole names: "*" any run of characters, "?" one character, every other
// character itself with the letters A to Z folded, as the preset files' extension is compared.
// "*.*" means every file, with or without a dot, as it always has on the desktop; so does a
// filter without any pattern, which can then hide nothing the user is looking for.

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <string_view>

namespace Vexa {

class FileDialogFilter {
public:
    // Spaces around each pattern are dropped; empty ones are left out.
    FileDialogFilter(Orvo::WString a_description, std::u16string_view a_patterns);

    const Orvo::WString& get_description() const noexcept { return m_description; }
    const Orvo::Vector<Orvo::WString>& get_patterns() const noexcept { return m_patterns; }
    // Whether a file of that name is listed.
    bool matches(std::u16string_view a_name) const noexcept;

    static bool match_pattern(std::u16string_view a_pattern, std::u16string_view a_name) noexcept;

private:
    Orvo::WString m_description;
    Orvo::Vector<Orvo::WString> m_patterns;
};

} // namespace Vexa
