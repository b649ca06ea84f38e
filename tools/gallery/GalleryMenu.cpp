#include "GalleryMenu.h"

#include "GalleryPalette.h"

#include "orvo/Core/Utf.h"
#include "orvo/Signals/MethodSlot1.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Menus/SystemMenuCheckboxItem.h"
#include "vexa/Menus/SystemMenuCommandItem.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemMenuSubmenuItem.h"

#include <cstdio>

using namespace Vexa;

namespace Gallery {

namespace {

constexpr GdiPlus_Color ink = Palette::text;
constexpr GdiPlus_Color muted = Palette::quiet_text;
constexpr GdiPlus_Color card_line = Palette::line;
constexpr GdiPlus_Color button_face = Palette::raised;
constexpr GdiPlus_Color button_pressed = Palette::raised_hover;
constexpr GdiPlus_Color button_text = Palette::text;

const GdiPlus_Font& font(int a_pixels) {
    static const GdiPlus_Font small(u"Arial", 13, FontSizeUnit_PIXEL);
    static const GdiPlus_Font large(u"Arial", 15, FontSizeUnit_PIXEL);
    return a_pixels > 13 ? large : small;
}

} // namespace

GalleryMenu::GalleryMenu() : m_menu(new SystemPopupMenu) {
    set_frame({NoBorder(), GdiPlus_Brush(Palette::surface)});
    SystemMenuGenericBuilder builder;
    builder.begin(m_menu.get());
    builder.add_command_item(u"Load preset...", KeyboardShortcut::parse(u"Ctrl+O"));
    builder.add_command_item(u"Save preset...", KeyboardShortcut::parse(u"Ctrl+S"));
    builder.add_command_item(u"Save as...", KeyboardShortcut::parse(u"Shift+Ctrl+S"));
    builder.begin_submenu(u"Recent presets");
    builder.add_command_item(u"Warm Ensemble");
    builder.add_command_item(u"Wide Shimmer");
    builder.add_command_item(u"Slow Drift");
    builder.end_submenu();
    builder.add_separator();
    builder.add_checkbox_item(u"Show tooltips", KeyboardShortcut::parse(u"Ctrl+T"), true);
    builder.add_checkbox_item(u"Bypass", KeyboardShortcut::parse(u"Alt+B"));
    builder.add_separator();
    builder.add_radio_item(u"Linear interpolation", KeyboardShortcut::parse(u"Ctrl+1"));
    builder.add_radio_item(u"Cubic interpolation", KeyboardShortcut::parse(u"Ctrl+2"), true);
    builder.add_separator();
    builder.add_command_item(u"Undo", KeyboardShortcut::parse(u"Ctrl+Z"))->set_enabled(false);
    builder.add_command_item(u"About...");
    builder.end();
    for (int i = 0; i < 2; ++i) {
        SystemMenuBase* menu = i == 0 ? static_cast<SystemMenuBase*>(m_menu.get())
                                      : m_menu->get_item(3)->get_submenu();
        for (SystemMenuItem* item = menu->get_first(); item; item = item->get_next())
            item->m_on_activated.connect(
                new Orvo::MethodSlot1<void(SystemMenuItemEvent&), GalleryMenu>(
                    this, &GalleryMenu::p_on_item));
    }
}

void GalleryMenu::p_on_item(SystemMenuItemEvent& a_event) {
    m_last = a_event.item->get_label();
    std::printf("menu: %s\n", Orvo::utf16_to_utf8_lossy(m_last).c_str());
    std::fflush(stdout);
    repaint();
}

void GalleryMenu::handle_input(InputEvent& a_event) {
    if (a_event.type != InputEventType_MOUSE_DOWN)
        return;
    a_event.consumed = true;
    if (a_event.button == 2) {
        m_menu->popup_at_mouse(this);
        return;
    }
    if (a_event.button != 1 || !get_button_rect().contains(a_event.x, a_event.y))
        return;
    m_pressed = true;
    repaint();
    m_menu->popup(this, PopupAlignment_RIGHT | PopupAlignment_ABOVE, get_button_rect());
    m_pressed = false;
    repaint();
}

void GalleryMenu::paint_content(Painter& a_painter) {
    a_painter.fill_and_stroke_rectangle(0, 0, get_width(), get_height(), GdiPlus_Pen(card_line, 1),
                                        GdiPlus_Brush());
    a_painter.draw_text(u"Pop-up menu", 16, 6, get_width() - 32, 28, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, font(15), ink);
    const Rect button = get_button_rect();
    a_painter.fill_rectangle(button, GdiPlus_Brush(m_pressed ? button_pressed : button_face));
    a_painter.draw_text(u"Menu", button.x + 14, button.y, button.width - 40, button.height,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, font(13), button_text);
    a_painter.draw_arrow(ArrowDirection_UP, 26, button.height, 5.0f, 9.0f, 2.0f,
                         GdiPlus_Brush(button_text), GdiPlus_Pen(), button.right() - 30, button.y);
    a_painter.draw_text(u"or right-click here", button.right() + 14, button.y, 200, button.height,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, font(13), muted);
    a_painter.draw_text(u"Chosen: " + m_last, 16, button.bottom() + 6, get_width() - 32, 24,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, font(13), ink);
}

} // namespace Gallery
