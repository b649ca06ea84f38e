#pragma once
// The gallery's section of text entries and a list view.

namespace Vexa {
class Widget;
}

namespace Gallery {

// An entry with part of its text selected, an integer entry, a decimal edit and a list view with
// a selected row, placed in one widget.
Vexa::Widget* make_entry_section();

} // namespace Gallery
