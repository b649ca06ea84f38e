#pragma once
// Message boxes drawn by the toolkit, each in a modal native window over its owner's.
//
// A box is shown only over an open toolkit window and only when a display can be reached.
// Otherwise (a host loading or rendering the plug-in, no DISPLAY) it never blocks: it writes
// "caption: text" to standard error and answers as if the user chose OK or No.

#include <string_view>

namespace Vexa {

class SystemWindow;
class Widget;

enum MessageBoxResult {
    MessageBoxResult_NONE = 0,
    MessageBoxResult_OK = 1,
    MessageBoxResult_NO = 2,
    MessageBoxResult_YES = 3,
};

// Yes and No buttons; the result is a MessageBoxResult. The owner is the native window of the
// widget's desktop; with no widget, the most recently shown toolkit window.
int message_box_question(Widget* a_owner, std::u16string_view a_caption,
                         std::u16string_view a_text);
// One OK button.
int message_box_information(Widget* a_owner, std::u16string_view a_caption,
                            std::u16string_view a_text);

// The shown window a modal dialog (a box, a file dialog) goes over: the one of the widget's
// desktop, or with no widget the most recently shown toolkit window; null when there is none.
SystemWindow* find_dialog_owner(Widget* a_owner);

} // namespace Vexa
