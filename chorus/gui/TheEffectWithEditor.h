#pragma once
// The chorus as the plug-in ships it: the effect with its editor. The effect itself stays free of
// the toolkit, so that its tests, the benchmarks and the fuzz targets link no graphics.

#include "chorus/TheEffect.h"

namespace tolvanchorus {

class TheEffectWithEditor : public TheEffect {
public:
    bool provides_gui() const override { return true; }
    Tonekit::DeviceGui* create_gui_object() override;
};

} // namespace tolvanchorus
