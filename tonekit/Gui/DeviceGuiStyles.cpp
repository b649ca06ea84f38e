#include "tonekit/Gui/DeviceGuiStyles.h"

#include "vexa/Styles/StyleCatalogue.h"

namespace Tonekit {

namespace {

using Vexa::StyleClassSpec;
using Vexa::StylePropertySpec;

constexpr StyleClassSpec classes[] = {
    {u"DevicePanel", u"HorizontalLayout"},
    {u"PresetArrowButton", u"ArrowCommandButton"},
    {u"DeviceGuiProgramDisplay", u"ComboBox"},
    {u"DeviceGuiParameterDisplay", u"Label"},
    {u"Filler", u"Widget"},
    {u"DeviceSettingsGroup", u"VerticalLayout"},
    {u"DeviceSettingsGroupTitle", u"Label"},
    {u"DeviceSettingsColumnHeader", u"Label"},
    {u"ModulationEditor", u"Layout"},
    {u"ModulatorList", u"ListView"},
    {u"ModulatorListItem", u"Widget"},
    {u"ModulatorPanel", u"VerticalLayout"},
    {u"ModulatorTitleBar", u"HorizontalLayout"},
    {u"ModulatorBarText", u"Label"},
    {u"ModulatorTitleEntry", u"Entry"},
    {u"ModulatorTitleBarCommandButton", u"TextCommandButton"},
    {u"ModulatorPanelContents", u"GridLayout"},
    {u"EntryListGridLayout", u"GridLayout"},
    {u"EntryListColumnHeader", u"Label"},
    {u"EntryListEntryIndexText", u"Label"},
    {u"AssignmentEditorPanel", u"GridLayout"},
};

constexpr StylePropertySpec filler_properties[] = {
    {u"negative_brush", Vexa::StyleValueType_BRUSH, 0},
    {u"nonsignalling_indicator_pen", Vexa::StyleValueType_PEN, 1},
    {u"positive_brush", Vexa::StyleValueType_BRUSH, 2},
    {u"signalling_indicator_pen", Vexa::StyleValueType_PEN, 3},
    {u"value_indicator_pen", Vexa::StyleValueType_PEN, 4},
};

// A rotary knob's look; this product draws no knob, but its sheet may style one.
constexpr StylePropertySpec knob_properties[] = {
    {u"angle_span", Vexa::StyleValueType_INTEGER, 0},
    {u"external_circle_brush", Vexa::StyleValueType_BRUSH, 1},
    {u"external_circle_radius", Vexa::StyleValueType_DIMENSION, 2},
    {u"hand_base", Vexa::StyleValueType_DIMENSION, 3},
    {u"hand_brush", Vexa::StyleValueType_BRUSH, 4},
    {u"hand_height", Vexa::StyleValueType_DIMENSION, 5},
    {u"hand_offset", Vexa::StyleValueType_DIMENSION, 6},
    {u"indicator_brush", Vexa::StyleValueType_BRUSH, 7},
    {u"indicator_distance", Vexa::StyleValueType_DIMENSION, 8},
    {u"indicator_radius", Vexa::StyleValueType_DIMENSION, 9},
    {u"internal_circle_brush", Vexa::StyleValueType_BRUSH, 10},
    {u"internal_circle_radius", Vexa::StyleValueType_DIMENSION, 11},
    {u"modulated_pen", Vexa::StyleValueType_PEN, 12},
    {u"value_range_pen", Vexa::StyleValueType_PEN, 13},
    {u"positive_value_pen", Vexa::StyleValueType_PEN, 14},
    {u"negative_value_pen", Vexa::StyleValueType_PEN, 15},
    {u"value_radius", Vexa::StyleValueType_DIMENSION, 16},
};

constexpr StylePropertySpec modulator_list_properties[] = {
    {u"enabled_modulator_text_color", Vexa::StyleValueType_COLOR, 0},
    {u"disabled_modulator_text_color", Vexa::StyleValueType_COLOR, 1},
};

constexpr const char16_t* modulator_item_switches[] = {u"displayed", u"even"};

} // namespace

void add_device_gui_styles(Vexa::StyleRegistry& a_registry) {
    Vexa::add_style_classes(a_registry, classes);
    Vexa::add_table_manager(a_registry, u"Filler", filler_properties, {});
    Vexa::add_table_manager(a_registry, u"Knob", knob_properties, {});
    Vexa::add_table_manager(a_registry, u"ModulatorList", modulator_list_properties, {});
    Vexa::add_table_manager(a_registry, u"ModulatorListItem", {}, modulator_item_switches);
}

} // namespace Tonekit
