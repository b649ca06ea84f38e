#pragma once
// The area of a normal window below its title bar; its one child, the client, fills it. A sheet
// gives it a background through its style class; without one it keeps a light built-in colour.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class NormalWindowContents : public Widget {
public:
    const char16_t* get_widget_class() const override { return u"NormalWindowContents"; }

protected:
    void resized() override;
};

} // namespace Vexa
