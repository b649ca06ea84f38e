#pragma once
// A path as a drive and a list of components. Both "\" and "/" separate components when parsing,
// so paths written on either kind of system read back; the text form uses this platform's "/".
// Empty components are kept, so an absolute path ("/home/a") keeps its leading empty component
// and reads back as the same text.

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <string_view>

namespace Orvo {

class FilePath {
public:
    static constexpr char16_t separator = u'/';

    FilePath() = default;
    explicit FilePath(std::u16string_view a_text) { parse(a_text); }

    // Replaces the content. A first component ending in ":" is the drive ("C:" gives drive "C")
    // and is not a component.
    void parse(std::u16string_view a_text);

    const WString& get_drive() const noexcept { return m_drive; }
    void set_drive(WString a_drive) { m_drive = std::move(a_drive); }
    const Vector<WString>& get_components() const noexcept { return m_components; }
    Vector<WString>& get_components() noexcept { return m_components; }
    void append(WString a_component) { m_components.push_back(std::move(a_component)); }

    // The drive and ":/" when a drive is set, then the components joined by "/".
    WString to_string() const;

    // Cuts the extension off the last component; see the static form.
    bool remove_extension(WString& a_extension);
    // When the last ".", "\" or "/" of a_text is a ".", the text after it is the extension: it is
    // handed over in a_extension and cut off together with the dot, and the result is true.
    // Otherwise nothing changes and the result is false.
    static bool remove_extension(WString& a_text, WString& a_extension);

private:
    WString m_drive;
    Vector<WString> m_components;
};

} // namespace Orvo
