#include "tonekit/Gui/ModulatorListStyleManager.h"

#include "tonekit/Gui/ModulatorList.h"
#include "vexa/Layouts/LayoutStyleSupport.h"
#include "vexa/Styles/StyleValue.h"

namespace Tonekit {

namespace {

void apply(Vexa::Widget& a_widget, int a_index, const Vexa::StyleValue& a_value) {
    auto* list = dynamic_cast<ModulatorList*>(&a_widget);
    if (!list)
        return;
    if (a_index == 0)
        list->set_enabled_text_color(a_value.to_color());
    else if (a_index == 1)
        list->set_disabled_text_color(a_value.to_color());
}

} // namespace

void ModulatorListStyleManager::install(const Vexa::StyleRegistry& a_registry) {
    Vexa::LayoutStyleSupport::install(a_registry, u"ModulatorList", {&apply, nullptr, nullptr});
}

} // namespace Tonekit
