#pragma once
// One tab of a tab bar: its title, and the "shown" switch that is on while its page is the one
// shown (the style sheet's cases give the shown tab its look).

#include "vexa/Application/StyleBehaviourFollower.h"
#include "vexa/Widget/Widget.h"

#include <memory>
#include <string>

namespace Vexa {

class StyleSheet;

class Tab : public Widget {
public:
    explicit Tab(std::u16string a_title);
    const char16_t* get_widget_class() const override { return u"Tab"; }

    const std::u16string& get_title() const noexcept { return m_title; }
    void set_title(std::u16string a_title);
    bool is_shown() const noexcept { return m_shown; }
    // A change restyles the tab.
    void set_shown(bool a_shown);

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void paint_content(Painter& a_painter) override;

private:
    void p_follow_style_sheet(bool a_restyle);

    std::u16string m_title;
    bool m_shown = false;
    StyleBehaviourFollower m_style_follower;
};

} // namespace Vexa
