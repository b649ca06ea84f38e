#pragma once
// What the editor shows instead of the device's own GUI when the device could not start as it
// should (its style sheet failed to load): the stored message, calmly, on a plain panel. It draws
// without any style sheet, since a broken sheet is one reason it is shown.

#include "tonekit/Gui/DeviceGui.h"

#include <string>

namespace Tonekit {

class DeviceGuiCriticalError : public DeviceGui {
public:
    DeviceGuiCriticalError(Device& a_device, std::u16string a_message);

    const std::u16string& get_message() const noexcept { return m_message; }
    const char16_t* get_widget_class() const override { return u"DeviceGuiCriticalError"; }

protected:
    void measure_content(Vexa::WidgetEvents::OnMeasure& a_event) override;
    void paint_content(Vexa::Painter& a_painter) override;

private:
    std::u16string m_message;
};

} // namespace Tonekit
