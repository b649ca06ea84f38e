#pragma once

namespace Tonekit {

class Device;

// Told when the host's tempo, the sample rate or the song position changes. Each listener names
// the one list it belongs to.
class DeviceListener {
public:
    enum List : unsigned { List_TEMPO = 0, List_SAMPLE_RATE = 1, List_SONG_POSITION = 2 };

    explicit DeviceListener(List a_list) : m_list(a_list) {}
    virtual ~DeviceListener() = default;
    // [audio-thread] for tempo and song position; [ui-thread] for the sample rate.
    virtual void on_device_changed(Device& a_device) = 0;

    const List m_list;
};

} // namespace Tonekit
