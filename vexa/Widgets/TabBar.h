#pragma once
// The row of tabs above a Tabs widget's pages.

#include "vexa/Layouts/HorizontalLayout.h"

namespace Vexa {

class TabBar : public HorizontalLayout {
public:
    const char16_t* get_widget_class() const override { return u"TabBar"; }
};

} // namespace Vexa
