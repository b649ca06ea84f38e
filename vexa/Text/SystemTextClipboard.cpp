#include "vexa/Text/SystemTextClipboard.h"

#include "vexa/Application/Clipboard.h"

namespace Vexa {

bool SystemTextClipboard::get_text(Orvo::WString& a_text) {
    return Clipboard::get_text(a_text);
}

bool SystemTextClipboard::set_text(std::u16string_view a_text) {
    return Clipboard::set_text(a_text);
}

} // namespace Vexa
