#pragma once
// Appends widgets to a horizontal layout.

#include "vexa/GuiBuilder/GB_Pusher.h"

namespace Vexa {

class HorizontalLayout;

class GB_HorizontalLayoutPusher : public GB_Pusher {
public:
    explicit GB_HorizontalLayoutPusher(HorizontalLayout* a_layout);

    void push(Widget* a_widget) override;
    Widget* get_container() const override;

private:
    HorizontalLayout* m_layout;
};

} // namespace Vexa
