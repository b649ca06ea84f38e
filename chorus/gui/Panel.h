#pragma once
// One framed group of the chorus editor. It adds nothing to a vertical layout but its style class,
// so that the style sheet can give the editor's groups their own look.

#include "vexa/Layouts/VerticalLayout.h"

namespace tolvanchorus {

class Panel : public Vexa::VerticalLayout {
public:
    const char16_t* get_widget_class() const override { return u"Panel"; }
};

} // namespace tolvanchorus
