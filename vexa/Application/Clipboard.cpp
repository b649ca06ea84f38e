#include "vexa/Application/Clipboard.h"

#include "vexa/Application/Toolkit.h"
#include "vexa/Window/MessageBox.h"

namespace Vexa {

bool Clipboard::get_text(Orvo::WString& a_text) {
    const auto text = Toolkit::get().get_platform().get_clipboard_text();
    if (!text)
        return false;
    a_text = Orvo::WString(std::u16string_view(*text));
    return true;
}

bool Clipboard::set_text(std::u16string_view a_text) {
    if (Toolkit::get().get_platform().set_clipboard_text(a_text))
        return true;
    message_box_information(nullptr, u"Failure", u"SetClipboardData failed");
    return false;
}

} // namespace Vexa
