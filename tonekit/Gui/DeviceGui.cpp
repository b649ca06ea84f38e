#include "tonekit/Gui/DeviceGui.h"

#include "tonekit/Devices/Device.h"

namespace Tonekit {

DeviceGui::~DeviceGui() {
    m_device.p_gui_destroyed(this);
}

} // namespace Tonekit
