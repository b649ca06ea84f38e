#pragma once
// The toolkit's style classes and the managers of its widgets' properties and switches.

namespace Vexa {

class StyleRegistry;

void add_toolkit_styles(StyleRegistry& a_registry);

} // namespace Vexa
