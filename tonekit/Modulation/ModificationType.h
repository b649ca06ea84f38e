#pragma once
// Where an entry places its signal relative to the target's value ("Location"). The values are
// the kernel numbers; presets store the option identifiers, which differ (see the choice's
// option table in ModifyingModulatorEntry).

namespace Tonekit {

enum ModificationType : unsigned {
    ModificationType_ABOVE = 1,
    ModificationType_ABOVE_CLIP_TOP = 2,
    ModificationType_ABOVE_RESTRICT_TOP = 3,
    ModificationType_ABOVE_SCALE_TOP = 4,
    ModificationType_AROUND = 5,
    ModificationType_AROUND_CLIP = 6,
    ModificationType_AROUND_RESTRICT = 7,
    ModificationType_AROUND_SCALE = 8,
    ModificationType_ASYMMETRIC_RESTRICT = 9,
    ModificationType_ASYMMETRIC_SCALE = 10,
    ModificationType_BELOW = 11,
    ModificationType_BELOW_CLIP_BOTTOM = 12,
    ModificationType_BELOW_RESTRICT_BOTTOM = 13,
    ModificationType_BELOW_SCALE_BOTTOM = 14,
    ModificationType_BETWEEN_RANGE_AND_PARAMETER = 15,
    ModificationType_BETWEEN_PARAMETER_AND_RANGE = 16,
};

} // namespace Tonekit
