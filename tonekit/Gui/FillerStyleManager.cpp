#include "tonekit/Gui/FillerStyleManager.h"

#include "tonekit/Gui/Filler.h"
#include "vexa/Layouts/LayoutStyleSupport.h"
#include "vexa/Styles/StyleValue.h"

namespace Tonekit {

namespace {

enum Property {
    NEGATIVE_BRUSH = 0,
    NONSIGNALLING_INDICATOR_PEN = 1,
    POSITIVE_BRUSH = 2,
    SIGNALLING_INDICATOR_PEN = 3,
    VALUE_INDICATOR_PEN = 4,
};

void apply(Vexa::Widget& a_widget, int a_index, const Vexa::StyleValue& a_value) {
    auto* filler = dynamic_cast<Filler*>(&a_widget);
    if (!filler)
        return;
    switch (a_index) {
    case NEGATIVE_BRUSH:
        return filler->set_negative_brush(a_value.to_brush());
    case NONSIGNALLING_INDICATOR_PEN:
        return filler->set_nonsignalling_indicator_pen(a_value.to_pen());
    case POSITIVE_BRUSH:
        return filler->set_positive_brush(a_value.to_brush());
    case SIGNALLING_INDICATOR_PEN:
        return filler->set_signalling_indicator_pen(a_value.to_pen());
    case VALUE_INDICATOR_PEN:
        return filler->set_value_indicator_pen(a_value.to_pen());
    default:
        return;
    }
}

} // namespace

Vexa::TableStyleManager::Behaviour FillerStyleManager::get_behaviour() {
    return {&apply, nullptr, nullptr};
}

void FillerStyleManager::install(const Vexa::StyleRegistry& a_registry) {
    Vexa::LayoutStyleSupport::install(a_registry, u"Filler", get_behaviour());
}

} // namespace Tonekit
