#pragma once
// Gives a stretch layout its one widget.

#include "vexa/GuiBuilder/GB_Pusher.h"

namespace Vexa {

class StretchLayout;

class GB_StretchLayoutPusher : public GB_Pusher {
public:
    explicit GB_StretchLayoutPusher(StretchLayout* a_layout);

    // Fails `!m_done` for a second widget.
    void push(Widget* a_widget) override;
    Widget* get_container() const override;

private:
    StretchLayout* m_layout;
    bool m_done = false;
};

} // namespace Vexa
