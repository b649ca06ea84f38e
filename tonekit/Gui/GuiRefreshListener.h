#pragma once
// A part of the device GUI that shows more than single parameters (the modulation editor, say)
// and wants to be told at the end of every GUI refresh, after the changed parameters were shown.
// [ui-thread]

namespace Tonekit {

class GuiRefreshListener {
public:
    virtual ~GuiRefreshListener() = default;
    virtual void on_gui_refreshed() = 0;
    // The GUI goes before the listener (its children are deleted after it): forget it, and do not
    // ask it to remove the listener.
    virtual void on_gui_destroyed() = 0;
};

} // namespace Tonekit
