#pragma once
// The gallery's section of labels, buttons, check boxes, scroll bars and spin buttons, each in
// its states, styled by the application's style sheet.

namespace Vexa {
class Widget;
}

namespace Gallery {

// A new widget tree for the caller to add to a window.
Vexa::Widget* make_buttons_section();

// --section buttons: the section alone in a plain window under the application's sheet, as a PNG
// (`a_png` not null, no display needed) or in a window on the display.
int show_buttons_section(const char* a_png);

} // namespace Gallery
