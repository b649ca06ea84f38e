#include "vexa/Window/Window.h"

#include "orvo/Core/Assert.h"
#include "vexa/Desktop/Desktop.h"

namespace Vexa {

Window::Window() = default;

Window::~Window() {
    if (get_desktop() && get_desktop() != this) {
        get_desktop()->get_update_queues().remove(this);
        get_desktop()->p_remove_window(this);
    }
    // The tree goes while the queues it may stand in still exist.
    p_delete_children();
}

void Window::open(Desktop* a_desktop, Modality a_modality) {
    ORVO_ASSERT(a_desktop);
    a_desktop->p_open_window(this, a_modality, nullptr, false);
}

void Window::open(Window* a_superwindow, Modality a_modality) {
    ORVO_ASSERT(a_superwindow);
    ORVO_ASSERT(a_superwindow->get_desktop());
    a_superwindow->get_desktop()->p_open_window(this, a_modality, a_superwindow, false);
}

void Window::close() {
    if (get_desktop() && m_opened)
        get_desktop()->p_close_window(this);
}

} // namespace Vexa
