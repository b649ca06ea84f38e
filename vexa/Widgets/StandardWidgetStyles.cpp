#include "vexa/Widgets/StandardWidgetStyles.h"

#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleValue.h"
#include "vexa/Styles/TableStyleManager.h"
#include "vexa/Widget/WidgetSizes.h"
#include "vexa/Widgets/ArrowCommandButton.h"
#include "vexa/Widgets/CheckBox.h"
#include "vexa/Widgets/ScrollBar.h"
#include "vexa/Widgets/ToggleButton.h"
#include "vexa/Window/NormalWindowCloseButton.h"
#include "vexa/Window/NormalWindowTitleBar.h"

#include <algorithm>

namespace Vexa {

namespace {

void apply_command_button(Widget& a_widget, int a_index, const StyleValue& a_value) {
    if (auto* button = dynamic_cast<CommandButton*>(&a_widget)) {
        ContentsOffset offset = button->get_pushed_contents_offset();
        StandardWidgetStyles::apply_offset(a_index, a_value, offset);
        button->set_pushed_contents_offset(offset);
    }
}

void apply_toggle_button(Widget& a_widget, int a_index, const StyleValue& a_value) {
    if (auto* button = dynamic_cast<ToggleButton*>(&a_widget)) {
        ContentsOffset offset = button->get_pushed_contents_offset();
        StandardWidgetStyles::apply_offset(a_index, a_value, offset);
        button->set_pushed_contents_offset(offset);
    }
}

void apply_arrow(Widget& a_widget, int a_index, const StyleValue& a_value) {
    auto* button = dynamic_cast<ArrowCommandButton*>(&a_widget);
    if (!button)
        return;
    ArrowStyle style = button->get_arrow_style();
    switch (a_index) {
    case 0:
        style.breadth = a_value.to_pixels_float();
        break;
    case 1:
        style.length = a_value.to_pixels_float();
        break;
    case 2:
        style.offset = a_value.to_pixels_float();
        break;
    case 3:
        style.brush = a_value.to_brush();
        break;
    case 4:
        style.pen = a_value.to_pen();
        break;
    default:
        return;
    }
    button->set_arrow_style(style);
}

void apply_crossmark(Widget& a_widget, int a_index, const StyleValue& a_value) {
    if (auto* box = dynamic_cast<CheckBox*>(&a_widget)) {
        if (a_index == 0)
            box->set_crossmark_padding(StandardWidgetStyles::pixels(a_value));
        else if (a_index == 1)
            box->set_crossmark_pen(a_value.to_pen());
    } else if (auto* close = dynamic_cast<NormalWindowCloseButton*>(&a_widget)) {
        if (a_index == 0)
            close->set_crossmark_padding(StandardWidgetStyles::pixels(a_value));
        else if (a_index == 1)
            close->set_crossmark_pen(a_value.to_pen());
    }
}

void apply_scroll_bar(Widget& a_widget, int a_index, const StyleValue& a_value) {
    if (auto* bar = dynamic_cast<ScrollBar*>(&a_widget)) {
        if (a_index == 0)
            bar->set_button_size(StandardWidgetStyles::pixels(a_value));
        else if (a_index == 1)
            bar->set_minimum_slider_size(StandardWidgetStyles::pixels(a_value));
    }
}

bool pushed(const Widget& a_widget, int a_index) {
    const auto* button = dynamic_cast<const CommandButton*>(&a_widget);
    return a_index == 0 && button && button->is_pushed();
}

bool toggled(const Widget& a_widget, int a_index) {
    const auto* button = dynamic_cast<const ToggleButton*>(&a_widget);
    return a_index == 0 && button && button->is_toggled();
}

bool checked(const Widget& a_widget, int a_index) {
    const auto* box = dynamic_cast<const CheckBox*>(&a_widget);
    return a_index == 0 && box && box->is_checked();
}

bool window_active(const Widget& a_widget, int a_index) {
    const auto* bar = dynamic_cast<const NormalWindowTitleBar*>(&a_widget);
    return a_index == 0 && bar && bar->is_window_active();
}

void give(const StyleRegistry& a_registry, const char16_t* a_class_name,
          const TableStyleManager::Behaviour& a_behaviour) {
    const StyleClass* style_class = a_registry.find_class(Orvo::WString(a_class_name));
    if (!style_class)
        return;
    if (auto* manager = dynamic_cast<TableStyleManager*>(a_registry.get_manager(style_class->id)))
        // Only a manager of the class itself: a nearer base's manager has other properties.
        if (manager->get_widget_class() == style_class->id)
            manager->set_behaviour(a_behaviour);
}

} // namespace

void StandardWidgetStyles::install(const StyleRegistry& a_registry) {
    give(a_registry, u"CommandButton", {&apply_command_button, nullptr, &pushed});
    give(a_registry, u"ToggleButton", {&apply_toggle_button, nullptr, &toggled});
    give(a_registry, u"ArrowCommandButton", {&apply_arrow, nullptr, nullptr});
    give(a_registry, u"NormalWindowCloseButton", {&apply_crossmark, nullptr, nullptr});
    give(a_registry, u"CheckBox", {&apply_crossmark, nullptr, &checked});
    give(a_registry, u"ScrollBar", {&apply_scroll_bar, nullptr, nullptr});
    give(a_registry, u"NormalWindowTitleBar", {nullptr, nullptr, &window_active});
}

void StandardWidgetStyles::ensure_installed() {
    static const StyleRegistry* installed = nullptr;
    const StyleRegistry& registry = StyleRegistry::get();
    if (installed == &registry)
        return;
    install(registry);
    installed = &registry;
}

int StandardWidgetStyles::pixels(const StyleValue& a_value) {
    return std::clamp(a_value.to_pixels_int(), 0, widget_size_limit);
}

void StandardWidgetStyles::apply_offset(int a_index, const StyleValue& a_value,
                                        ContentsOffset& a_offset) {
    switch (a_index) {
    case 0:
        a_offset.x = a_offset.y = a_value.to_pixels_int();
        return;
    case 1: {
        const auto& elements = a_value.get_elements();
        if (elements.size() != 2)
            return;
        for (const StyleValueRef& element : elements)
            if (!element || element->get_type() != StyleValueType_DIMENSION)
                return;
        a_offset = {elements[0]->to_pixels_int(), elements[1]->to_pixels_int()};
        return;
    }
    case 2:
        a_offset.x = a_value.to_pixels_int();
        return;
    case 3:
        a_offset.y = a_value.to_pixels_int();
        return;
    default:
        return;
    }
}

} // namespace Vexa
