#include "GalleryScene.h"

#include "ButtonsSection.h"
#include "ChoiceSection.h"
#include "EntrySection.h"
#include "GalleryBoard.h"
#include "GalleryLayouts.h"
#include "GalleryMenu.h"

#include "vexa/Graphics/Painter.h"

#include <algorithm>

using namespace Vexa;

namespace Gallery {

namespace {

// The normal window's client: a few lines about what the window does.
class NoteWidget : public Widget {
protected:
    void paint_content(Painter& a_painter) override {
        const std::u16string_view lines[] = {
            u"A normal window: drag the title bar", u"to move it, the borders to resize",
            u"it, and the cross to close it.",      u"",
            u"Each window paints into a bitmap",    u"of its own; the desktop composes",
            u"them into the native window."};
        int y = 14;
        for (auto line : lines) {
            a_painter.draw_text(line, 16, y, get_width() - 32, 20, TextAlignment_LEFT,
                                TextAlignment_MIDDLE, get_font(), get_text_color());
            y += 20;
        }
    }
};

} // namespace

GalleryScene::GalleryScene(std::uint64_t a_native_parent)
    : m_system_window(nullptr, a_native_parent),
      m_buttons(u"Labels, buttons, check boxes and scroll bars"), m_normal(u"Normal window"),
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

    // Two columns under the heading: the buttons at the left; at the right a narrow column of a
    // normal window, the message box and the menu card beside the entries. The layouts and the
    // choices span the width below.
    constexpr int margin = 18, gap = 16, top = GalleryBoard::heading_bottom;
    constexpr int buttons_width = 600, column_width = 270;
    constexpr int column_x = margin + buttons_width + gap;
    constexpr int entries_x = column_x + column_width + gap;
    constexpr int upper_height = 500;

    m_buttons.set_client(make_buttons_section());
    m_buttons.set_geometry(margin, top, buttons_width, upper_height);
    m_buttons.open(desktop, Modality_MODELESS);

    m_normal.set_client(new NoteWidget);
    const int note_height = 194; // the note's last line clear of the bottom border
    m_normal.set_geometry(column_x, top, column_width, note_height);
    m_normal.open(desktop, Modality_MODELESS);

    const Size box = m_message_box.get_preferred_size();
    const int box_y = top + note_height + gap;
    m_message_box.set_geometry(column_x, box_y, std::max(box.width, column_width), box.height);
    m_message_box.open(desktop, Modality_MODELESS);

    auto* menu = new GalleryMenu;
    m_menu_card.add_child(menu);
    m_menu_card.set_can_be_activated(false);
    const int menu_y = box_y + box.height + gap;
    m_menu_card.set_geometry(column_x, menu_y, column_width, top + upper_height - menu_y);
    menu->set_geometry(0, 0, column_width, top + upper_height - menu_y);
    m_menu_card.open(desktop, Modality_MODELESS);
    // The window answers the menu's shortcuts while the menu is closed.
    m_system_window.set_menu(menu->get_menu());

    m_entries.set_client(make_entry_section());
    m_entries.set_geometry(entries_x, top, width - margin - entries_x, upper_height);
    m_entries.open(desktop, Modality_MODELESS);

    const int layouts_y = top + upper_height + gap;
    m_layouts.set_client(make_layouts_client());
    m_layouts.set_geometry(margin, layouts_y, width - 2 * margin, 300);
    m_layouts.open(desktop, Modality_MODELESS);

    const int choices_y = layouts_y + 300 + gap;
    m_choices.set_client(make_choice_section());
    m_choices.set_geometry(margin, choices_y, width - 2 * margin, height - choices_y - margin);
    m_choices.open(desktop, Modality_MODELESS);
}

Rect GalleryScene::get_menu_button_rect() const {
    const auto* menu = static_cast<const GalleryMenu*>(m_menu_card.get_children().front());
    return menu->get_button_rect().translated(m_menu_card.get_rect().x, m_menu_card.get_rect().y);
}

} // namespace Gallery
