#include "vexa/Styles/ToolkitStyles.h"

#include "vexa/Styles/StyleCatalogue.h"
#include "vexa/Styles/StyleRegistry.h"

namespace Vexa {

namespace {

constexpr StyleValueType BOOLEAN = StyleValueType_BOOLEAN;
constexpr StyleValueType BORDER = StyleValueType_BORDER;
constexpr StyleValueType BRUSH = StyleValueType_BRUSH;
constexpr StyleValueType COLOR = StyleValueType_COLOR;
constexpr StyleValueType DIMENSION = StyleValueType_DIMENSION;
constexpr StyleValueType FONT = StyleValueType_FONT;
constexpr StyleValueType FRAME = StyleValueType_FRAME;
constexpr StyleValueType LIST = StyleValueType_LIST;
constexpr StyleValueType PEN = StyleValueType_PEN;

constexpr StyleClassSpec classes[] = {
    {u"Widget", nullptr},
    {u"Window", u"Widget"},
    {u"Desktop", u"Window"},
    {u"NormalWindow", u"Window"},
    {u"HintWindow", u"Window"},
    {u"SingleWidgetWrapper", u"Widget"},
    {u"NormalWindowContents", u"SingleWidgetWrapper"},
    {u"NormalWindowTitleBar", u"Widget"},
    {u"MessageBoxPanel", u"Widget"},
    {u"CommandButton", u"Widget"},
    {u"NormalWindowCloseButton", u"CommandButton"},
    {u"TextCommandButton", u"CommandButton"},
    {u"ArrowCommandButton", u"CommandButton"},
    {u"Layout", u"Widget"},
    {u"BorderLayout", u"Layout"},
    {u"GridLayout", u"Layout"},
    {u"HorizontalLayout", u"GridLayout"},
    {u"VerticalLayout", u"GridLayout"},
    {u"StretchLayout", u"Layout"},
    {u"PageLayout", u"Layout"},
    {u"WidgetMover", u"Layout"},
    {u"Entry", u"Widget"},
    {u"DecimalEditEntry", u"Entry"},
    {u"ComboBox", u"Widget"},
    {u"Choice", u"ComboBox"},
    {u"Space", u"Widget"},
    {u"CheckBox", u"Widget"},
    {u"DecimalEdit", u"Widget"},
    {u"Label", u"Widget"},
    {u"ScrollBar", u"Widget"},
    {u"HorizontalScrollBar", u"ScrollBar"},
    {u"VerticalScrollBar", u"ScrollBar"},
    {u"ScrollBarButton", u"ArrowCommandButton"},
    {u"ScrollBarHandle", u"Widget"},
    {u"ScrollBarTrough", u"Widget"},
    {u"ToggleButton", u"Widget"},
    {u"TextToggleButton", u"ToggleButton"},
    {u"Text", u"Widget"},
    {u"TabBar", u"HorizontalLayout"},
    {u"Tabs", u"VerticalLayout"},
    // A tab is of the bar's family: "shown" is a switch of the bar's manager.
    {u"Tab", u"TabBar"},
    {u"Slider", u"Widget"},
    {u"SliderHandle", u"Widget"},
    {u"SpinButton", u"Widget"},
    {u"IntegerEntry", u"Widget"},
    {u"ListView", u"Widget"},
    {u"ListViewMain", u"Widget"},
    {u"Knob", u"Widget"},
    {u"ImageKnob", u"Widget"},
    {u"Memo", u"Widget"},
    {u"MemoLineNumbers", u"Widget"},
    {u"Picture", u"Widget"},
    {u"PartialView", u"Widget"},
    {u"MemoArea", u"BorderLayout"},
    {u"PictureArea", u"BorderLayout"},
    {u"Console", u"BorderLayout"},
    {u"ScrollArea", u"Layout"},
};

// The properties every widget has, in their registration order.
constexpr StylePropertySpec widget_properties[] = {
    {u"background", BRUSH, 0},
    {u"border", BORDER, 1},
    {u"adjust_height_to_contents", BOOLEAN, 2},
    {u"adjust_width_to_contents", BOOLEAN, 3},
    {u"fixed_height", DIMENSION, 4},
    {u"fixed_size", DIMENSION, 5},
    {u"fixed_size", LIST, 6},
    {u"fixed_width", DIMENSION, 7},
    {u"font", FONT, 8},
    {u"frame", FRAME, 9},
    {u"horizontal_margins", DIMENSION, 10},
    {u"horizontal_padding", DIMENSION, 11},
    {u"horizontally_stretchable", BOOLEAN, 12},
    {u"margin_bottom", DIMENSION, 13},
    {u"margin_left", DIMENSION, 14},
    {u"margin_right", DIMENSION, 15},
    {u"margin_top", DIMENSION, 16},
    {u"margins", DIMENSION, 17},
    {u"margins", LIST, 18},
    {u"maximum_height", DIMENSION, 19},
    {u"maximum_size", DIMENSION, 20},
    {u"maximum_size", LIST, 21},
    {u"maximum_width", DIMENSION, 22},
    {u"minimum_height", DIMENSION, 23},
    {u"minimum_size", DIMENSION, 24},
    {u"minimum_size", LIST, 25},
    {u"minimum_width", DIMENSION, 26},
    {u"padding", DIMENSION, 27},
    {u"padding_bottom", DIMENSION, 28},
    {u"padding_left", DIMENSION, 29},
    {u"padding", LIST, 30},
    {u"padding_right", DIMENSION, 31},
    {u"padding_top", DIMENSION, 32},
    {u"vertically_stretchable", BOOLEAN, 33},
    {u"text_color", COLOR, 34},
    {u"vertical_margins", DIMENSION, 35},
    {u"vertical_padding", DIMENSION, 36},
};
constexpr const char16_t* widget_switches[] = {u"enabled"};

constexpr const char16_t* title_bar_switches[] = {u"active"};

constexpr StylePropertySpec pushed_offset_properties[] = {
    {u"pushed_contents_offset", DIMENSION, 0},
    {u"pushed_contents_offset", LIST, 1},
    {u"pushed_contents_offset_x", DIMENSION, 2},
    {u"pushed_contents_offset_y", DIMENSION, 3},
};
constexpr const char16_t* command_button_switches[] = {u"pushed"};
constexpr const char16_t* toggle_button_switches[] = {u"toggled"};

constexpr StylePropertySpec arrow_button_properties[] = {
    {u"arrow_breadth", DIMENSION, 0}, {u"arrow_length", DIMENSION, 1},
    {u"arrow_offset", DIMENSION, 2},  {u"arrow_brush", BRUSH, 3},
    {u"arrow_pen", PEN, 4},
};

constexpr StylePropertySpec crossmark_properties[] = {
    {u"crossmark_padding", DIMENSION, 0},
    {u"crossmark_pen", PEN, 1},
};
constexpr const char16_t* check_box_switches[] = {u"checked"};

constexpr StylePropertySpec combo_box_properties[] = {
    {u"arrow_box_width", DIMENSION, 0},  {u"arrow_breadth", DIMENSION, 1},
    {u"arrow_brush", BRUSH, 2},          {u"arrow_length", DIMENSION, 3},
    {u"arrow_offset", DIMENSION, 4},     {u"arrow_pen", PEN, 5},
    {u"text_arrow_space", DIMENSION, 6},
};

constexpr StylePropertySpec entry_properties[] = {
    {u"selection_background", BRUSH, 0},
    {u"selection_text_color", COLOR, 1},
};

constexpr StylePropertySpec list_view_properties[] = {
    {u"selection_background", BRUSH, 0},
};

constexpr StylePropertySpec scroll_bar_properties[] = {
    {u"button_size", DIMENSION, 0},
    {u"minimum_slider_size", DIMENSION, 1},
};

constexpr const char16_t* tab_bar_switches[] = {u"shown"};

constexpr StylePropertySpec grid_layout_properties[] = {
    {u"equal_column_widths", BOOLEAN, 0},
    {u"equal_row_heights", BOOLEAN, 1},
    {u"horizontal_spacing", DIMENSION, 2},
    {u"spacing", DIMENSION, 3},
    {u"spacing", LIST, 4},
    {u"vertical_spacing", DIMENSION, 5},
};

constexpr StylePropertySpec border_layout_properties[] = {
    {u"horizontal_spaces", DIMENSION, 0},
    {u"horizontal_spaces", LIST, 1},
    {u"space_bottom", DIMENSION, 2},
    {u"space_left", DIMENSION, 3},
    {u"space_right", DIMENSION, 4},
    {u"space_top", DIMENSION, 5},
    {u"spaces", DIMENSION, 6},
    {u"spaces", LIST, 7},
    {u"vertical_spaces", DIMENSION, 8},
    {u"vertical_spaces", LIST, 9},
};

} // namespace

// The managers declare what the sheet may say; the widget classes give them their behaviour
// (TableStyleManager::set_behaviour) as they come to store each property.
void add_toolkit_styles(StyleRegistry& a_registry) {
    add_style_classes(a_registry, classes);
    add_table_manager(a_registry, u"Widget", widget_properties, widget_switches);
    add_table_manager(a_registry, u"NormalWindowTitleBar", {}, title_bar_switches);
    add_table_manager(a_registry, u"CommandButton", pushed_offset_properties,
                      command_button_switches);
    add_table_manager(a_registry, u"ToggleButton", pushed_offset_properties,
                      toggle_button_switches);
    add_table_manager(a_registry, u"ArrowCommandButton", arrow_button_properties, {});
    add_table_manager(a_registry, u"NormalWindowCloseButton", crossmark_properties, {});
    add_table_manager(a_registry, u"CheckBox", crossmark_properties, check_box_switches);
    add_table_manager(a_registry, u"ComboBox", combo_box_properties, {});
    add_table_manager(a_registry, u"Entry", entry_properties, {});
    add_table_manager(a_registry, u"ListView", list_view_properties, {});
    add_table_manager(a_registry, u"ScrollBar", scroll_bar_properties, {});
    add_table_manager(a_registry, u"GridLayout", grid_layout_properties, {});
    add_table_manager(a_registry, u"TabBar", {}, tab_bar_switches);
    add_table_manager(a_registry, u"BorderLayout", border_layout_properties, {});
}

} // namespace Vexa
