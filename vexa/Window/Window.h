#pragma once
// A toolkit window: the root widget of a tree, drawn into its own off-screen bitmap and shown in a
// desktop among the desktop's other windows (last = topmost). A window keeps its desktop once it
// has been opened in one; closing it keeps it a member, so it can be opened again.

#include "vexa/Graphics/Bitmap.h"
#include "vexa/Widget/Widget.h"
#include "vexa/Window/Modality.h"

#include <vector>

namespace Vexa {

class Window;

namespace WindowEvents {
struct OnOpening {
    Window* window;
    bool first_time;
};
struct OnOpened {
    Window* window;
};
struct OnClosing {
    Window* window;
};
struct OnClosed {
    Window* window;
};
} // namespace WindowEvents

class Window : public Widget {
public:
    Window();
    ~Window() override;

    // Fails `a_desktop` for a null desktop.
    void open(Desktop* a_desktop, Modality a_modality);
    // Opens in the superwindow's desktop as its subwindow. Fails `a_superwindow`.
    void open(Window* a_superwindow, Modality a_modality);
    void close();

    bool is_opened() const noexcept { return m_opened; }
    bool is_active() const noexcept { return m_active; }
    bool is_window_displayed() const noexcept { return m_displayed; }
    Modality get_modality() const noexcept { return m_modality; }
    bool can_be_activated() const noexcept { return m_can_be_activated; }
    void set_can_be_activated(bool a_can) noexcept { m_can_be_activated = a_can; }
    Window* get_superwindow() const noexcept { return m_superwindow; }
    const std::vector<Window*>& get_subwindows() const noexcept { return m_subwindows; }
    // Position in the desktop's stacking order.
    std::size_t get_index() const noexcept { return m_index; }
    const Bitmap& get_bitmap() const noexcept { return m_bitmap; }
    // The deferred work of the widgets in this window.
    WindowUpdateQueues& get_update_queues() noexcept { return m_update_queues; }
    const char16_t* get_widget_class() const override { return u"Window"; }

    Orvo::Signal1<WindowEvents::OnOpening&> m_on_opening;
    Orvo::Signal1<WindowEvents::OnOpened&> m_on_opened;
    Orvo::Signal1<WindowEvents::OnClosing&> m_on_closing;
    Orvo::Signal1<WindowEvents::OnClosed&> m_on_closed;

protected:
    // Hooks the desktop calls around opening and closing; empty by default.
    virtual void before_close() {}
    virtual void after_close() {}
    virtual void at_opening(bool) {}
    virtual void after_open() {}
    // The window became the active one of its desktop, or stopped being it.
    virtual void active_changed() {}

    bool p_is_root_displayed() const override { return m_opened && m_displayed; }

private:
    friend class Desktop;

    bool m_opened = false;
    bool m_ever_opened = false;
    Modality m_modality = Modality_MODELESS;
    Window* m_superwindow = nullptr;
    std::vector<Window*> m_subwindows;
    bool m_can_be_activated = true;
    bool m_active = false;
    bool m_displayed = false;
    bool m_needs_paint = true;
    std::size_t m_index = 0;
    Bitmap m_bitmap;
    WindowUpdateQueues m_update_queues;
};

} // namespace Vexa
