#pragma once
// One titled tab being built: the one widget pushed becomes its page. A tab ended without a
// widget still gets its (empty) page, so the titles the code wrote all appear.

#include "vexa/GuiBuilder/GB_Pusher.h"

#include <string>

namespace Vexa {

class Tabs;

class GB_SingleTabPusher : public GB_Pusher {
public:
    GB_SingleTabPusher(Tabs* a_tabs, std::u16string a_title);
    ~GB_SingleTabPusher() override;

    // Fails `!m_done` for a second widget.
    void push(Widget* a_widget) override;
    Widget* get_container() const override;

private:
    Tabs* m_tabs;
    std::u16string m_title;
    bool m_done = false;
};

} // namespace Vexa
