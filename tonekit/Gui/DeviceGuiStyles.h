#pragma once
// The device GUI's style classes and the managers of their properties and switches. Add it to the
// registry's catalogues before the registry is first used.

namespace Vexa {
class StyleRegistry;
}

namespace Tonekit {

void add_device_gui_styles(Vexa::StyleRegistry& a_registry);

} // namespace Tonekit
