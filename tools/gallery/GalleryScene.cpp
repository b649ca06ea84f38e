#include "GalleryScene.h"

#include "ChoiceSection.h"
#include "EntrySection.h"
#include "GalleryBoard.h"
#include "GalleryLayouts.h"
#include "GalleryMenu.h"

#include "vexa/Graphics/Painter.h"

using namespace Vexa;

namespace Gallery {

namespace {

// The normal window's client: a few lines about what the window does.
class NoteWidget : public Widget {
protected:
    void paint_content(Painter& a_painter) override {
        const GdiPlus_Font font(u"Arial", 13, FontSizeUnit_PIXEL);
        const std::u16string_view lines[] = {
            u"A normal window: drag the title bar", u"to move it, the borders to resize",
            u"it, and the cross to close it.",      u"",
            u"Each window paints into a bitmap",    u"of its own; the desktop composes",
            u"them into the native window."};
        int y = 14;
        for (auto line : lines) {
            a_painter.draw_text(line, 16, y, get_width() - 32, 20, TextAlignment_LEFT,
                                TextAlignment_MIDDLE, font, GdiPlus_Color(0xFF2E3440));
            y += 20;
        }
    }
};

} // namespace

GalleryScene::GalleryScene(std::uint64_t a_native_parent)
    : m_system_window(nullptr, a_native_parent), m_normal(u"Normal window"),
      m_entries(u"Entries and lists"),
      m_message_box(u"Message box",
                    u"Save the changes to the preset\n\"Warm Ensemble\" before closing?", true),
      m_layouts(u"Layouts"), m_choices(u"Combo boxes, choices and tabs") {
    m_system_window.set_title(u"Vexa gallery");
    m_system_window.set_client_size(width, height);
    m_system_window.set_quit_application_on_close(a_native_parent == 0);
    Desktop* desktop = m_system_window.get_desktop();
    // The board is a window of its own that never takes the activation from the others.
    m_board_window.set_geometry(0, 0, width, height);
    m_board_window.set_can_be_activated(false);
    m_board_window.add_child(new GalleryBoard);
    m_board_window.get_children().front()->set_geometry(0, 0, width, height);
    m_board_window.open(desktop, Modality_MODELESS);

    m_normal.set_client(new NoteWidget);
    m_normal.set_geometry(GalleryBoard::cards_right + 12, 76, 290, 200);
    m_normal.open(desktop, Modality_MODELESS);

    m_entries.set_client(make_entry_section());
    m_entries.set_geometry(GalleryBoard::cards_right + 12 + 290 + 12, 76, 290, 510);
    m_entries.open(desktop, Modality_MODELESS);

    const Size box = m_message_box.get_preferred_size();
    m_message_box.set_geometry(GalleryBoard::cards_right + 12, 300, std::max(box.width, 290),
                               box.height);
    m_message_box.open(desktop, Modality_MODELESS);

    auto* menu = new GalleryMenu;
    m_menu_card.add_child(menu);
    m_menu_card.set_can_be_activated(false);
    m_menu_card.set_geometry(GalleryBoard::cards_right + 12, 464, 290, 104);
    menu->set_geometry(0, 0, 290, 104);
    m_menu_card.open(desktop, Modality_MODELESS);
    // The window answers the menu's shortcuts while the menu is closed.
    m_system_window.set_menu(menu->get_menu());

    m_layouts.set_client(make_layouts_client());
    m_layouts.set_geometry(18, 604, width - 36, 318);
    m_layouts.open(desktop, Modality_MODELESS);

    m_choices.set_client(make_choice_section());
    m_choices.set_geometry(18, 940, width - 36, height - 940 - 18);
    m_choices.open(desktop, Modality_MODELESS);
}

Rect GalleryScene::get_menu_button_rect() const {
    const auto* menu = static_cast<const GalleryMenu*>(m_menu_card.get_children().front());
    return menu->get_button_rect().translated(m_menu_card.get_rect().x, m_menu_card.get_rect().y);
}

} // namespace Gallery
