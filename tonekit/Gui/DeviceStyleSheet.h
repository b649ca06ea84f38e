#pragma once
// The style sheet a device loads when the first instance in the process starts: "stylesheet.dat"
// in the device's common internal data folder, or, when no such file exists, the copy the
// plug-in carries (so a plug-in copied alone into a folder still opens a styled editor). A file
// that fails to load gives the device the critical error "Couldn't load style sheet.", and its
// editor then shows that error instead.

#include "orvo/Core/String.h"

#include <span>

namespace Tonekit {

class Device;

class DeviceStyleSheet {
public:
    // [ui-thread] Right after Device::initialize. Does nothing unless the toolkit application has
    // exactly one user. Never throws.
    static void load_at_start(Device& a_device, std::span<const unsigned char> a_embedded);
    static Orvo::WString get_path(const Device& a_device);
};

} // namespace Tonekit
