#include "chorus/gui/TheEffectWithEditor.h"

#include "chorus/gui/TheGui.h"

namespace tolvanchorus {

Tonekit::DeviceGui* TheEffectWithEditor::create_gui_object() {
    return new TheGui(*this);
}

} // namespace tolvanchorus
