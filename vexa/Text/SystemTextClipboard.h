#pragma once
// The system clipboard (the CLIPBOARD selection on X11) for text editing, through Vexa::Clipboard.

#include "vexa/Text/TextClipboard.h"

namespace Vexa {

class SystemTextClipboard final : public TextClipboard {
public:
    bool get_text(Orvo::WString& a_text) override;
    bool set_text(std::u16string_view a_text) override;
};

} // namespace Vexa
