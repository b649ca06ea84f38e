#pragma once
// The gallery's choices window: a combo box with a nested submenu, a choice over a model, and
// tabs with three pages; a line reports the last choice.

namespace Vexa {
class Widget;
}

namespace Gallery {

// The client of the choices window; the caller owns it.
Vexa::Widget* make_choice_section();

} // namespace Gallery
