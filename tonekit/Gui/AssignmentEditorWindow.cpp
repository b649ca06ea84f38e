#include "tonekit/Gui/AssignmentEditorWindow.h"

#include "tonekit/Gui/AssignmentEditorPanel.h"
#include "vexa/Desktop/Desktop.h"

#include <algorithm>

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

Vexa::Size AssignmentEditorWindow::get_preferred_size() const {
    const Vexa::WidgetRequestedSizes& sizes = m_panel->get_requested_sizes();
    return size_for_client(sizes.get_requested_width(), sizes.get_requested_height());
}

void AssignmentEditorWindow::open_centred(Vexa::Desktop& a_desktop) {
    open(&a_desktop, Vexa::Modality_MODELESS);
    a_desktop.flush();
    const Vexa::Size size = get_preferred_size();
    const int width = std::min(size.width, a_desktop.get_width());
    const int height = std::min(size.height, a_desktop.get_height());
    set_geometry((a_desktop.get_width() - width) / 2, (a_desktop.get_height() - height) / 2, width,
                 height);
}

AssignmentEditorWindow* open_assignment_editor(Vexa::Desktop& a_desktop, Device& a_device) {
    auto* window = new AssignmentEditorWindow(a_device);
    window->open_centred(a_desktop);
    a_desktop.activate(window, true);
    return window;
}

} // namespace Tonekit
