#include "vexa/Window/NormalWindowContents.h"

namespace Vexa {

void NormalWindowContents::resized() {
    const Rect content = get_content_rect();
    for (Widget* child : get_children())
        child->set_geometry(content);
}

} // namespace Vexa
