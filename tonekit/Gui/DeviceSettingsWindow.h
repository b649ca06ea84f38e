#pragma once
// The window "Settings": the instance's settings ("Current") beside the defaults for new
// instances ("Default"), and the retrigger keys of both. A current value acts on the device as
// soon as it is edited. The defaults go to the settings file when the window is asked to close,
// or, if that never happened, when it goes; a file that cannot be written is reported in a
// message box titled "Error" and the window closes all the same.
// [ui-thread] Like every widget.

#include "vexa/Window/NormalWindow.h"

#include <vector>

namespace Vexa {
namespace NormalWindowEvents {
struct OnCloseQuery;
}
} // namespace Vexa

namespace Tonekit {

class Device;
class Parameter;
class SingleParameterEditor;

class DeviceSettingsWindow : public Vexa::NormalWindow {
public:
    static constexpr const char16_t* save_error_text =
        u"There was an error while saving default settings.";

    explicit DeviceSettingsWindow(Device& a_device);
    // Saves the defaults when no close was asked for (the panel or the editor going); a failure
    // then goes to standard error only: no box should hold up an editor that is closing.
    ~DeviceSettingsWindow() override;

    // The window size that shows the content at its requested size.
    Vexa::Size get_preferred_size() const;
    // The editor of a_parameter in this window, or null.
    SingleParameterEditor* find_editor(const Parameter* a_parameter) const;
    bool are_defaults_saved() const noexcept { return m_defaults_saved; }

private:
    void p_on_close_query(Vexa::NormalWindowEvents::OnCloseQuery& a_event);
    // False when the file could not be written.
    bool p_save_defaults() noexcept;
    void p_save_reporting();
    SingleParameterEditor* p_add(SingleParameterEditor* a_editor);

    Device& m_device;
    std::vector<SingleParameterEditor*> m_editors;
    bool m_defaults_saved = false;
};

} // namespace Tonekit
