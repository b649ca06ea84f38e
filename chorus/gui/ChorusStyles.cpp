#include "chorus/gui/ChorusStyles.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Gui/DeviceGuiStyles.h"
#include "tonekit/Gui/DeviceStyleSheet.h"
#include "vexa/Styles/StyleCatalogue.h"
#include "vexa/Styles/StyleRegistry.h"

#include <cstddef>

namespace tolvanchorus {

// Generated at build time from chorus/data/stylesheet.dat.
extern const unsigned char embedded_style_sheet[];
extern const std::size_t embedded_style_sheet_size;

namespace {

constexpr Vexa::StyleClassSpec classes[] = {{u"Panel", u"VerticalLayout"}};

} // namespace

void add_chorus_editor_styles(Vexa::StyleRegistry& a_registry) {
    Vexa::add_style_classes(a_registry, classes);
}

void add_editor_style_catalogues() {
    Vexa::StyleRegistry::add_catalogue(&Tonekit::add_device_gui_styles);
    Vexa::StyleRegistry::add_catalogue(&add_chorus_editor_styles);
}

std::span<const unsigned char> get_embedded_style_sheet() {
    return {embedded_style_sheet, embedded_style_sheet_size};
}

void load_style_sheet_at_start(Tonekit::Device& a_device) {
    try {
        add_editor_style_catalogues();
    } catch (...) {
        // The registry was built before without the editor's classes: no sheet can fit it.
        a_device.set_critical_error(Orvo::WString(u"Couldn't load style sheet."));
        return;
    }
    Tonekit::DeviceStyleSheet::load_at_start(a_device, get_embedded_style_sheet());
}

} // namespace tolvanchorus
