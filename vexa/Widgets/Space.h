#pragma once
// An empty filler: it needs no room of its own and stretches both ways, so it takes what its
// layout has left over.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class Space : public Widget {
public:
    Space() {
        set_horizontally_stretchable(true);
        set_vertically_stretchable(true);
    }
    const char16_t* get_widget_class() const override { return u"Space"; }
};

} // namespace Vexa
