#include "tonekit/Gui/ModulatorList.h"

#include "tonekit/Gui/ModulatorListStyleManager.h"
#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Widgets/ListViewMain.h"

namespace Tonekit {

ModulatorList::ModulatorList() {
    set_visible_rows(6);
}

void ModulatorList::clear_modulators() {
    m_modulators.clear();
    clear();
}

void ModulatorList::add_modulator(const Modulator& a_modulator, std::u16string_view a_title,
                                  bool a_enabled) {
    m_modulators.push_back({&a_modulator, a_enabled});
    add_item(a_title);
}

void ModulatorList::set_enabled(std::size_t a_index, bool a_enabled) {
    if (a_index >= m_modulators.size() || m_modulators[a_index].enabled == a_enabled)
        return;
    m_modulators[a_index].enabled = a_enabled;
    get_main().repaint();
}

Vexa::GdiPlus_Color ModulatorList::get_item_text_color(std::size_t a_index) const {
    if (a_index < m_modulators.size() && !m_modulators[a_index].enabled)
        return m_disabled_color;
    return m_enabled_color ? *m_enabled_color : get_text_color();
}

void ModulatorList::set_enabled_text_color(Vexa::GdiPlus_Color a_color) {
    m_enabled_color = a_color;
    get_main().repaint();
}

void ModulatorList::set_disabled_text_color(Vexa::GdiPlus_Color a_color) {
    m_disabled_color = a_color;
    get_main().repaint();
}

// The style manager's behaviour belongs to this class; a sheet loaded later has a registry that
// has not heard of it yet.
void ModulatorList::measure_content(Vexa::WidgetEvents::OnMeasure& a_event) {
    const bool installed = m_style_follower.follow([](const Vexa::StyleRegistry& a_registry) {
        ModulatorListStyleManager::install(a_registry);
        return true;
    });
    if (installed)
        request_restyle();
    ListView::measure_content(a_event);
}

} // namespace Tonekit
