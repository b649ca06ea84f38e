#pragma once
// One of the device panel's two buttons that step to the previous or the next preset.
// [ui-thread] Like every widget.

#include "vexa/Widgets/ArrowCommandButton.h"

namespace Tonekit {

class PresetArrowButton : public Vexa::ArrowCommandButton {
public:
    using ArrowCommandButton::ArrowCommandButton;
    const char16_t* get_widget_class() const override { return u"PresetArrowButton"; }
};

} // namespace Tonekit
