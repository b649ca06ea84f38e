#include "tonekit/Gui/DeviceStyleSheet.h"

#include "orvo/Core/Utf.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceFolders.h"
#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleSheetSource.h"

#include <sys/stat.h>

namespace Tonekit {

Orvo::WString DeviceStyleSheet::get_path(const Device& a_device) {
    return DeviceFolders::join(a_device.get_static_config().m_common_internal_data_folder,
                               Orvo::WString(u"stylesheet.dat"));
}

void DeviceStyleSheet::load_at_start(Device& a_device, std::span<const unsigned char> a_embedded) {
    Vexa::Application* application = Vexa::Application::get();
    if (!application || Vexa::Application::get_reference_count() != 1)
        return;
    try {
        const Orvo::WString path = get_path(a_device);
        struct stat status {};
        if (::stat(Orvo::to_utf8(path.view()).c_str(), &status) == 0)
            application->load_style_sheet(path);
        else
            application->load_style_sheet_text(Vexa::read_style_sheet_text(a_embedded));
    } catch (...) {
        a_device.set_critical_error(Orvo::WString(u"Couldn't load style sheet."));
    }
}

} // namespace Tonekit
