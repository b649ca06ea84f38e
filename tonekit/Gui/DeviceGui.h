#pragma once
// The content of a device's editor: the root widget that the editor puts into its window. The
// device makes it when the editor opens (Device::create_gui) and points at it while it lives; the
// editor's window owns it and deletes it when the editor closes, which lets go of the device.
// [ui-thread] Like every widget.

#include "vexa/Widget/Widget.h"

namespace Tonekit {

class Device;

class DeviceGui : public Vexa::Widget {
public:
    explicit DeviceGui(Device& a_device) : m_device(a_device) {}
    ~DeviceGui() override;

    Device& get_device() const noexcept { return m_device; }

    // The editor's idle call: show what changed since the last call. Cheap when nothing did.
    virtual void refresh() {}

    const char16_t* get_widget_class() const override { return u"DeviceGui"; }

private:
    Device& m_device;
};

} // namespace Tonekit
