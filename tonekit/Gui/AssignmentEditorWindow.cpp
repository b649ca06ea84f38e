#include "tonekit/Gui/AssignmentEditorWindow.h"

#include "tonekit/Gui/AssignmentEditorPanel.h"
#include "vexa/Desktop/Desktop.h"

namespace Tonekit {

namespace {

// The same room around the content as the About and the settings windows.
constexpr int content_padding = 12;

} // namespace

AssignmentEditorWindow::AssignmentEditorWindow(Device& a_device)
    : NormalWindow(u"Parameter assignments"), m_panel(new AssignmentEditorPanel(a_device)) {
    m_panel->set_paddings(
        {content_padding, content_padding * 2, content_padding * 2, content_padding});
    set_client(m_panel);
}

AssignmentEditorWindow* open_assignment_editor(Vexa::Desktop& a_desktop, Device& a_device) {
    auto* window = new AssignmentEditorWindow(a_device);
    window->open_centred(a_desktop);
    a_desktop.activate(window, true);
    return window;
}

} // namespace Tonekit
