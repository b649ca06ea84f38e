#include "vexa/Widgets/ComboBox.h"

#include "orvo/Signals/MethodSlot1.h"
#include "vexa/Application/Application.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Menus/SystemMenuGenericBuilder.h"
#include "vexa/Menus/SystemPopupMenu.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Widget/WidgetSizes.h"
#include "vexa/Widgets/ComboBoxStyleManager.h"

#include <algorithm>
#include <cmath>

namespace Vexa {

namespace {

constexpr int wheel_notch = 120;
constexpr unsigned alt_modifier = 1;

int saturated_sum(long long a_first, long long a_second) {
    return static_cast<int>(std::clamp<long long>(a_first + a_second, 0, widget_size_limit));
}

} // namespace

ComboBox::ComboBox() : m_arrow_brush(GdiPlus_Color(0xFF5A6270)) {
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
    p_follow_style_sheet(false);
}

void ComboBox::set_text(std::u16string a_text) {
    if (a_text == m_text)
        return;
    m_text = std::move(a_text);
    repaint();
}

void ComboBox::set_width_in_characters(int a_characters) {
    a_characters = std::max(a_characters, 0);
    if (a_characters == m_width_in_characters)
        return;
    m_width_in_characters = a_characters;
    request_measure();
}

void ComboBox::set_arrow_box_width(int a_width) {
    m_arrow_box_width = std::max(a_width, 0);
    request_measure();
    repaint();
}

void ComboBox::set_text_arrow_space(int a_space) {
    m_text_arrow_space = std::max(a_space, 0);
    request_measure();
    repaint();
}

void ComboBox::set_arrow_geometry(float a_length, float a_breadth, float a_offset) {
    m_arrow_length = a_length;
    m_arrow_breadth = a_breadth;
    m_arrow_offset = a_offset;
    repaint();
}

void ComboBox::set_arrow_brush(const GdiPlus_Brush& a_brush) {
    m_arrow_brush = a_brush;
    repaint();
}

void ComboBox::set_arrow_pen(const GdiPlus_Pen& a_pen) {
    m_arrow_pen = a_pen;
    repaint();
}

// The style manager's behaviour belongs to this class; a sheet loaded later has a registry that
// has not heard of it yet.
void ComboBox::p_follow_style_sheet(bool a_restyle) {
    const bool installed = m_style_follower.follow([](const StyleRegistry& a_registry) {
        ComboBoxStyleManager::install(a_registry);
        return true;
    });
    if (installed && a_restyle)
        request_restyle();
}

void ComboBox::measure_content(WidgetEvents::OnMeasure& a_event) {
    p_follow_style_sheet(true);
    const GdiPlus_Font& font = get_font();
    const double average = Painter::measure_text(u"MXMXMXMXMX", font).width / 10.0;
    const long long width =
        std::lround(average * m_width_in_characters) + m_arrow_box_width + m_text_arrow_space;
    a_event.minimum.width = saturated_sum(a_event.minimum.width, width);
    a_event.requested.width = saturated_sum(a_event.requested.width, width);
    // One line of text high, so that the text is never cut.
    const int line = Painter::measure_text(u"Mg", font).height;
    a_event.minimum.height = saturated_sum(a_event.minimum.height, line);
    a_event.requested.height = saturated_sum(a_event.requested.height, line);
    a_event.maximum.width = saturated_sum(a_event.maximum.width, widget_size_limit);
    a_event.maximum.height = saturated_sum(a_event.maximum.height, widget_size_limit);
}

void ComboBox::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    const int arrow_width = std::min(m_arrow_box_width, std::max(content.width, 0));
    const int text_width = std::max(content.width - arrow_width - m_text_arrow_space, 0);
    a_painter.draw_text(display_text(), content.x, content.y, text_width, content.height,
                        TextAlignment_LEFT, TextAlignment_MIDDLE, get_font(), get_text_color());
    if (arrow_width > 0 && content.height > 0)
        a_painter.draw_arrow(ArrowDirection_DOWN, arrow_width, content.height, m_arrow_length,
                             m_arrow_breadth, m_arrow_offset, m_arrow_brush, m_arrow_pen,
                             content.x + content.width - arrow_width, content.y);
}

void ComboBox::handle_input(InputEvent& a_event) {
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
        if (a_event.button != 1)
            return;
        a_event.consumed = true;
        set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
        open_popup();
        return;
    case InputEventType_MOUSE_WHEEL: {
        // A fine-grained wheel sends parts of a notch; they add up to whole items.
        m_wheel_rest += a_event.wheel_delta;
        const int notches = m_wheel_rest / wheel_notch;
        m_wheel_rest -= notches * wheel_notch;
        if (notches != 0)
            step_selection(-notches); // away from the user goes up the list
        a_event.consumed = true;
        return;
    }
    case InputEventType_KEYBOARD_DOWN:
        switch (a_event.key) {
        case KeyCode_UP:
            step_selection(-1);
            break;
        case KeyCode_DOWN:
            if (a_event.modifiers & alt_modifier)
                open_popup();
            else
                step_selection(1);
            break;
        case KeyCode_SPACE:
        case KeyCode_ENTER:
            open_popup();
            break;
        default:
            return;
        }
        a_event.consumed = true;
        return;
    default:
        return;
    }
}

void ComboBox::build_item_tree(ComboBoxItemTreeBuilder&) {}

void ComboBox::item_chosen(const ComboBoxItem& a_item) {
    set_text(a_item.label);
    ComboBoxEvent event{this, a_item.id, a_item.label};
    m_on_item_chosen.emit(event);
}

bool ComboBox::open_popup() {
    if (m_open_tree)
        return false;
    SharedRef<SystemPopupMenu> menu(new SystemPopupMenu);
    SystemMenuGenericBuilder menu_builder;
    menu_builder.begin(menu.get());
    ComboBoxItemTreeBuilder tree(&menu_builder);
    build_item_tree(tree);
    while (tree.get_depth() > 0) // a builder left open still gives a whole menu
        tree.end_submenu();
    menu_builder.end();
    for (const ComboBoxItem& item : tree.get_items())
        item.menu_item->m_on_activated.connect(
            new Orvo::MethodSlot1<void(SystemMenuItemEvent&), ComboBox>(this,
                                                                        &ComboBox::p_on_menu_item));
    menu->set_minimum_width(get_width());
    m_open_tree = &tree;
    const bool chosen = menu->popup(this, PopupAlignment_LEFT | PopupAlignment_BELOW);
    m_open_tree = nullptr;
    return chosen;
}

void ComboBox::p_on_menu_item(SystemMenuItemEvent& a_event) {
    if (!m_open_tree)
        return;
    if (const ComboBoxItem* item = m_open_tree->find(a_event.item)) {
        const ComboBoxItem chosen = *item;
        item_chosen(chosen);
    }
}

bool ComboBox::step_selection(int a_step) {
    if (a_step == 0)
        return false;
    ComboBoxItemTreeBuilder tree;
    build_item_tree(tree);
    const auto& items = tree.get_items();
    const int count = static_cast<int>(items.size());
    const int current = tree.get_current_position();
    const int direction = a_step > 0 ? 1 : -1;
    int target = current < 0 ? (a_step > 0 ? 0 : count - 1)
                             : std::clamp(current + a_step, 0, std::max(count - 1, 0));
    // A disabled item is passed over in the direction of travel; past the end nothing changes.
    while (target >= 0 && target < count && !items[target].enabled)
        target += direction;
    if (target < 0 || target >= count || target == current)
        return false;
    item_chosen(items[target]);
    return true;
}

} // namespace Vexa
