#pragma once
// The window "Parameter assignments": the device's assignable slots and the modulator parameters
// on them (AssignmentEditorPanel). It keeps itself in step with the modulation while open.
//
// Whoever opens it owns it, like the About window: open it with open_assignment_editor, keep the
// pointer, and on its m_on_closed forget it and call destroy() on it.
// [ui-thread] Like every widget.

#include "vexa/Window/NormalWindow.h"

namespace Vexa {
class Desktop;
}

namespace Tonekit {

class AssignmentEditorPanel;
class Device;

class AssignmentEditorWindow : public Vexa::NormalWindow {
public:
    explicit AssignmentEditorWindow(Device& a_device);

    AssignmentEditorPanel& get_panel() const noexcept { return *m_panel; }

private:
    AssignmentEditorPanel* m_panel;
};

// A new window over a_device, opened centred on a_desktop and activated; the caller owns it.
AssignmentEditorWindow* open_assignment_editor(Vexa::Desktop& a_desktop, Device& a_device);

} // namespace Tonekit
