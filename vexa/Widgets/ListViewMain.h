#pragma once
// The rows of a list view, inside its frame: it paints the visible rows, scrolled, and turns
// mouse, wheel and keys into the list view's operations.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class ListView;

class ListViewMain : public Widget {
public:
    explicit ListViewMain(ListView& a_list_view);

    const char16_t* get_widget_class() const override { return u"ListViewMain"; }

protected:
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;

private:
    bool p_handle_key(KeyCode a_key);

    ListView& m_list_view;
};

} // namespace Vexa
