#pragma once
// Appends widgets to a vertical layout.

#include "vexa/GuiBuilder/GB_Pusher.h"

namespace Vexa {

class VerticalLayout;

class GB_VerticalLayoutPusher : public GB_Pusher {
public:
    explicit GB_VerticalLayoutPusher(VerticalLayout* a_layout);

    void push(Widget* a_widget) override;
    Widget* get_container() const override;

private:
    VerticalLayout* m_layout;
};

} // namespace Vexa
