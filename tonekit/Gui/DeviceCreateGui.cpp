// Device::create_gui lives with the device GUI rather than with the device: it makes widgets, and
// the framework library links no toolkit.

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Gui/DeviceGuiCriticalError.h"

namespace Tonekit {

DeviceGui* Device::create_gui() {
    ORVO_ASSERT(!m_gui);
    if (m_critical_error)
        m_gui = new DeviceGuiCriticalError(*this, std::u16string(m_critical_error_message.view()));
    else
        m_gui = create_gui_object();
    if (m_gui)
        m_gui_refresh.set_gui_attached(true);
    return m_gui;
}

} // namespace Tonekit
