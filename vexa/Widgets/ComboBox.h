#pragma once
// A box showing one text, with a drop-down arrow at its right; a click opens a pop-up menu of the
// items the box offers (nested submenus allowed), and the item chosen there becomes the box's
// choice. Up and Down choose the previous and next item without opening anything, as does the
// wheel (one item per notch, stopping at the ends); Space, Enter and Alt+Down open the menu.
//
// What is offered comes from build_item_tree, which derived classes override; item_chosen
// receives the choice and display_text says what the box shows.

#include "orvo/Signals/Signal1.h"
#include "vexa/Application/StyleBehaviourFollower.h"
#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Widget/Widget.h"
#include "vexa/Widgets/ComboBoxItemTreeBuilder.h"

#include <memory>
#include <string>

namespace Vexa {

class ComboBox;
class StyleSheet;
struct SystemMenuItemEvent;

struct ComboBoxEvent {
    ComboBox* combo_box;
    std::size_t id;       // the chosen item's number
    std::u16string label; // and its label
};

namespace ComboBoxEvents {
using OnItemChosen = ComboBoxEvent;
}

class ComboBox : public Widget {
public:
    ComboBox();
    const char16_t* get_widget_class() const override { return u"ComboBox"; }

    void set_text(std::u16string a_text);
    const std::u16string& get_text() const noexcept { return m_text; }
    // How many average characters of text the box is measured for; negative counts as 0.
    void set_width_in_characters(int a_characters);
    int get_width_in_characters() const noexcept { return m_width_in_characters; }

    // The arrow area and its triangle (usually from the style sheet).
    void set_arrow_box_width(int a_width);
    void set_text_arrow_space(int a_space);
    void set_arrow_geometry(float a_length, float a_breadth, float a_offset);
    void set_arrow_brush(const GdiPlus_Brush& a_brush);
    void set_arrow_pen(const GdiPlus_Pen& a_pen);
    int get_arrow_box_width() const noexcept { return m_arrow_box_width; }
    int get_text_arrow_space() const noexcept { return m_text_arrow_space; }
    float get_arrow_length() const noexcept { return m_arrow_length; }
    float get_arrow_breadth() const noexcept { return m_arrow_breadth; }
    float get_arrow_offset() const noexcept { return m_arrow_offset; }

    // Opens the pop-up under the box; returns whether an item was chosen.
    bool open_popup();
    // Chooses the item `a_step` places after the current one (before it when negative), stopping
    // at the first and last enabled items; with no current item, Down-wise steps start at the
    // first item and Up-wise ones at the last. Returns whether the choice changed.
    bool step_selection(int a_step);

    Orvo::Signal1<ComboBoxEvents::OnItemChosen&> m_on_item_chosen;

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;

    // Offers the items. The base box offers none.
    virtual void build_item_tree(ComboBoxItemTreeBuilder& a_builder);
    // Receives a choice (from the pop-up, the keys or the wheel). The base box shows the label
    // and emits the item-chosen signal.
    virtual void item_chosen(const ComboBoxItem& a_item);
    // The text painted in the box; the base box paints its text.
    virtual std::u16string display_text() const { return m_text; }

private:
    void p_on_menu_item(SystemMenuItemEvent& a_event);
    void p_follow_style_sheet(bool a_restyle);

    std::u16string m_text;
    int m_width_in_characters = 10;
    int m_arrow_box_width = 16;
    int m_text_arrow_space = 4;
    float m_arrow_length = 4;
    float m_arrow_breadth = 8;
    float m_arrow_offset = 2;
    GdiPlus_Brush m_arrow_brush;
    GdiPlus_Pen m_arrow_pen;
    int m_wheel_rest = 0;
    const ComboBoxItemTreeBuilder* m_open_tree = nullptr;
    StyleBehaviourFollower m_style_follower;
};

} // namespace Vexa
