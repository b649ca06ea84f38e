#pragma once
// The chorus editor's style classes, the style sheet the plug-in carries, and the start-up step
// that loads the sheet.

#include <span>

namespace Tonekit {
class Device;
}
namespace Vexa {
class StyleRegistry;
}

namespace tolvanchorus {

// "Panel", the editor's framed groups (a vertical layout).
void add_chorus_editor_styles(Vexa::StyleRegistry& a_registry);
// Gives the process's style registry the device GUI's and the editor's classes; before its
// first use.
void add_editor_style_catalogues();
// The bytes of chorus/data/stylesheet.dat, compiled in.
std::span<const unsigned char> get_embedded_style_sheet();
// [ui-thread] The plug-in's start-up step after Device::initialize.
void load_style_sheet_at_start(Tonekit::Device& a_device);

} // namespace tolvanchorus
