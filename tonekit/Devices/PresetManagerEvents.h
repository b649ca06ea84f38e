#pragma once
// The event records of the preset manager's signals. They carry nothing: receivers ask the
// manager for what they need.

namespace Tonekit::PresetManagerEvents {

// The current preset, its name or its path changed.
struct OnPresetInformationChanged {};
// A preset, a chunk or the clean state was loaded; every parameter may have changed.
struct OnPresetLoaded {};

} // namespace Tonekit::PresetManagerEvents
