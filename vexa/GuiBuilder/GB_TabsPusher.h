#pragma once
// Fills a Tabs widget: `GuiBuilder::tab` opens each titled page above this pusher; a widget
// pushed here directly becomes a page with an untitled tab.

#include "vexa/GuiBuilder/GB_Pusher.h"

namespace Vexa {

class Tabs;

class GB_TabsPusher : public GB_Pusher {
public:
    explicit GB_TabsPusher(Tabs* a_tabs);

    void push(Widget* a_widget) override;
    Widget* get_container() const override;
    bool is_tabs() const override { return true; }
    Tabs* get_tabs() const noexcept { return m_tabs; }

private:
    Tabs* m_tabs;
};

} // namespace Vexa
