#pragma once
// The clipboard as the text editing code sees it, so that editing can be exercised without a
// display and the toolkit's clipboard stays the one place that talks to the system.

#include "orvo/Core/String.h"

#include <string_view>

namespace Vexa {

class TextClipboard {
public:
    virtual ~TextClipboard() = default;
    // True and the text when the clipboard holds text.
    virtual bool get_text(Orvo::WString& a_text) = 0;
    // False when the text could not be placed (the failure has been reported already).
    virtual bool set_text(std::u16string_view a_text) = 0;
};

} // namespace Vexa
