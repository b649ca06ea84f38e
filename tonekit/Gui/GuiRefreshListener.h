#pragma once
// A part of the device GUI that shows more than single parameters (the modulation editor, say)
// and wants to be told at the end of every GUI refresh, after the changed parameters were shown.
// [ui-thread]

namespace Tonekit {

class GuiRefreshListener {
public:
    virtual ~GuiRefreshListener() = default;
    virtual void on_gui_refreshed() = 0;
};

} // namespace Tonekit
