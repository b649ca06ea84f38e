#pragma once
// The gallery's layouts window: a stretch layout that follows the window's size, around a border
// layout whose centre is a grid with spanning cells and whose right is a scroll area, all built
// with the GUI builder.

namespace Vexa {
class Widget;
}

namespace Gallery {

// The client of the layouts window; the caller owns it.
Vexa::Widget* make_layouts_client();

} // namespace Gallery
