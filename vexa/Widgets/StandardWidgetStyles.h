#pragma once
// The style behaviour of the standard widgets: what the managers of CommandButton, ToggleButton,
// ArrowCommandButton, CheckBox, NormalWindowCloseButton and ScrollBar store from a sheet, and
// how they read the "pushed", "toggled" and "checked" switches. The widgets install it from their
// constructors, so a sheet loaded before or after they exist finds it in place.

namespace Vexa {

// How far a pushed button moves its contents, in pixels (right and down when positive).
struct ContentsOffset {
    int x = 0;
    int y = 0;
    bool operator==(const ContentsOffset&) const = default;
};

class StyleRegistry;
class StyleValue;

class StandardWidgetStyles {
public:
    // Gives the registry's managers of those classes (those it has) their behaviour.
    static void install(const StyleRegistry& a_registry);
    // Installs once into the process's registry.
    static void ensure_installed();

    // A dimension in whole pixels, never negative.
    static int pixels(const StyleValue& a_value);
    // "pushed_contents_offset" and its "_x"/"_y" forms, by property index (0: dimension, 1: list
    // of two, 2: x, 3: y), applied onto `a_offset`. A list of another length is ignored.
    static void apply_offset(int a_index, const StyleValue& a_value, ContentsOffset& a_offset);
};

} // namespace Vexa
