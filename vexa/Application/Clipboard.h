#pragma once
// Text on the system clipboard (the CLIPBOARD selection on X11).

#include "orvo/Core/String.h"

#include <string_view>

namespace Vexa {

class Clipboard {
public:
    // True and the text when the clipboard holds text.
    static bool get_text(Orvo::WString& a_text);
    // A failure shows a message box captioned "Failure" and returns false.
    static bool set_text(std::u16string_view a_text);
};

} // namespace Vexa
