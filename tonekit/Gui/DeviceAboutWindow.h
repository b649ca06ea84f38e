#pragma once
// The window "About": what the concrete device GUI says of itself, and a "Close" button.
// [ui-thread] Like every widget.

#include "vexa/Window/NormalWindow.h"

namespace Vexa {
namespace CommandButtonEvents {
struct OnAction;
}
} // namespace Vexa

namespace Tonekit {

class DeviceAboutWindow : public Vexa::NormalWindow {
public:
    // Takes a_content.
    explicit DeviceAboutWindow(Vexa::Widget* a_content);

    Vexa::Widget* get_content() const noexcept { return m_content; }

private:
    void p_on_close(Vexa::CommandButtonEvents::OnAction& a_event);

    Vexa::Widget* m_content;
};

} // namespace Tonekit
