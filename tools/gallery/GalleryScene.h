#pragma once
// Everything the gallery shows, placed in one system window: every standard widget in windows of
// their own, a normal window, a message box, a menu card and a window of nested layouts.

#include "vexa/Window/MessageBoxWindow.h"
#include "vexa/Window/NormalWindow.h"
#include "vexa/Window/SystemWindow.h"

#include <memory>

namespace Gallery {

class GalleryScene {
public:
    static constexpr int width = 1200;
    static constexpr int height = 1110;

    // A top-level window, or a child of `a_native_parent` when it is not 0.
    explicit GalleryScene(std::uint64_t a_native_parent = 0);

    Vexa::SystemWindow& get_system_window() noexcept { return m_system_window; }
    Vexa::NormalWindow& get_normal_window() noexcept { return m_normal; }
    // The menu card's button, in the window's client coordinates.
    Vexa::Rect get_menu_button_rect() const;

private:
    Vexa::SystemWindow m_system_window;
    Vexa::Window m_board_window;
    Vexa::NormalWindow m_buttons;
    Vexa::NormalWindow m_normal;
    Vexa::NormalWindow m_entries;
    Vexa::MessageBoxWindow m_message_box;
    Vexa::Window m_menu_card;
    Vexa::NormalWindow m_layouts;
    Vexa::NormalWindow m_choices;
};

} // namespace Gallery
