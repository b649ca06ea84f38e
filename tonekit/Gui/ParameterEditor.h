#pragma once
// Base of the widgets that edit parameters of the device.
// [ui-thread] Like every widget.

#include "vexa/Widget/Widget.h"

namespace Tonekit {

class ParameterEditor : public Vexa::Widget {};

} // namespace Tonekit
