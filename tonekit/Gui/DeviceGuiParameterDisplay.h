#pragma once
// The device panel's line that describes the parameter under the mouse ("Name: value").
// [ui-thread] Like every widget.

#include "vexa/Widgets/Label.h"

namespace Tonekit {

class DeviceGuiParameterDisplay : public Vexa::Label {
public:
    const char16_t* get_widget_class() const override { return u"DeviceGuiParameterDisplay"; }
};

} // namespace Tonekit
