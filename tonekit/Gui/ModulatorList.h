#pragma once
// The modulators of the shown stage by title, in processing order; a modulator that is switched
// off is written in the quieter colour. Choosing a row brings its panel into view.
// [ui-thread] Like every widget.

#include "vexa/Application/StyleBehaviourFollower.h"
#include "vexa/Widgets/ListView.h"

#include <memory>
#include <vector>

namespace Vexa {
class StyleSheet;
}

namespace Tonekit {

class Modulator;

// A row of the list: the modulator it stands for (compared, never followed once the manager
// has moved on) and whether it was on when last looked at.
struct ModulatorListItem {
    const Modulator* modulator;
    bool enabled;
};

class ModulatorList : public Vexa::ListView {
public:
    ModulatorList();
    const char16_t* get_widget_class() const override { return u"ModulatorList"; }

    void clear_modulators();
    void add_modulator(const Modulator& a_modulator, std::u16string_view a_title, bool a_enabled);
    const std::vector<ModulatorListItem>& get_modulators() const noexcept { return m_modulators; }
    // Repaints only when the state really changed.
    void set_enabled(std::size_t a_index, bool a_enabled);

    Vexa::GdiPlus_Color get_item_text_color(std::size_t a_index) const override;
    void set_enabled_text_color(Vexa::GdiPlus_Color a_color);
    void set_disabled_text_color(Vexa::GdiPlus_Color a_color);

protected:
    void measure_content(Vexa::WidgetEvents::OnMeasure& a_event) override;

private:
    std::vector<ModulatorListItem> m_modulators;
    std::optional<Vexa::GdiPlus_Color> m_enabled_color;
    Vexa::GdiPlus_Color m_disabled_color{0xFF808080};
    Vexa::StyleBehaviourFollower m_style_follower;
};

} // namespace Tonekit
