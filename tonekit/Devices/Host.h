#pragma once

namespace Tonekit {

// The device's view of whatever hosts it (the VST adapter). Parameters in the host's list call it
// at the start and end of an edit gesture and to report automation.
class Host {
public:
    virtual ~Host() = default;
    // [ui-thread]
    virtual void begin_edit(int a_host_index) = 0;
    virtual void end_edit(int a_host_index) = 0;
    // [audio-thread] The song position in quarter notes, only while the transport plays.
    virtual bool get_song_position(double& a_quarter_notes) = 0;
    // [ui-thread]
    virtual void automate(int a_host_index, float a_normalized_value) = 0;
    // [ui-thread] What the host shows of the parameters changed beyond their values (another
    // parameter on an assignable slot): it should read them again.
    virtual void update_display() {}

    // Set while the host itself is the source of a change, so it is not told about it again.
    bool m_suppress_automation = false;
};

} // namespace Tonekit
