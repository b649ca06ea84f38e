#pragma once
// The gallery's look: the product's shipped style sheet, or another one named on the command line.

namespace Gallery {

// The sheet shipped with the product, found in the source tree.
inline constexpr const char* shipped_style_sheet = VEXA_GALLERY_STYLE_SHEET;

// Makes the sheet at `a_path` the application's. The toolkit alone registers none of the device
// editor's classes, so the shipped sheet names classes it does not know; those errors are
// expected and dropped, every other one is printed. A sheet that cannot be read is reported and
// the gallery goes on unstyled. Whether a usable sheet is in force.
bool load_style_sheet(const char* a_path);

} // namespace Gallery
