#pragma once
// Adds every widget pushed as a page of a page layout.

#include "vexa/GuiBuilder/GB_Pusher.h"

namespace Vexa {

class PageLayout;

class GB_PageLayoutPusher : public GB_Pusher {
public:
    explicit GB_PageLayoutPusher(PageLayout* a_layout);

    void push(Widget* a_widget) override;
    Widget* get_container() const override;

private:
    PageLayout* m_layout;
};

} // namespace Vexa
