#pragma once
// The adapter between the VST 2.4 interface and a device. It owns the device, answers the host's
// calls by asking the device, and is the device's Host for edit gestures, automation and time.

#include "tonekit/Devices/Host.h"
#include "tonekit/vst/AudioEffectX.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Tonekit {

class Device;
class DeviceProgram;
class Parameter;

class VstHost;

// Makes the editor of an adapter; the plug-in module passes the toolkit's, so that the framework
// itself links no windowing.
using EditorFactory = std::unique_ptr<AEffEditor> (*)(VstHost& a_adapter);

class VstHost : public AudioEffectX, private Host {
public:
    static constexpr std::size_t parameter_text_limit = 15;
    static constexpr Vst::Int32 midi_event_filter = 1;

    // Takes ownership of a_device, which must be initialized. The host learns of an editor only
    // when the device has a GUI to show in it.
    VstHost(Vst::HostCallback a_host, std::unique_ptr<Device> a_device,
            EditorFactory a_editor_factory = nullptr);
    ~VstHost() override;

    Device* get_device() const noexcept { return m_device.get(); }
    // audioMasterSizeWindow; true when the host agreed.
    bool size_window(int a_width, int a_height);

    void close() override;
    void setParameter(Vst::Int32 a_index, float a_value) override;
    float getParameter(Vst::Int32 a_index) override;
    void getParameterName(Vst::Int32 a_index, char* a_text) override;
    void getParameterLabel(Vst::Int32 a_index, char* a_text) override;
    void getParameterDisplay(Vst::Int32 a_index, char* a_text) override;
    void processReplacing(float** a_inputs, float** a_outputs, Vst::Int32 a_frames) override;
    void setSampleRate(float a_rate) override;
    void resume() override;
    void suspend() override;
    Vst::Int32 getChunk(void** a_data, bool a_is_preset) override;
    Vst::Int32 setChunk(void* a_data, Vst::Int32 a_size, bool a_is_preset) override;

    Vst::Int32 processEvents(Vst::VstEvents* a_events) override;
    bool canParameterBeAutomated(Vst::Int32 a_index) override;
    Vst::Int32 getPlugCategory() override;
    bool getEffectName(char* a_text) override;
    bool getVendorString(char* a_text) override;
    bool getProductString(char* a_text) override;
    Vst::IntPtr vendorSpecific(Vst::Int32 a_index, Vst::IntPtr a_value, void* a_pointer,
                               float a_option) override;
    Vst::Int32 canDo(char* a_text) override;

private:
    // Host
    void begin_edit(int a_host_index) override;
    void end_edit(int a_host_index) override;
    bool get_song_position(double& a_quarter_notes) override;
    void automate(int a_host_index, float a_normalized_value) override;
    void update_display() override;

    // The parameter a host index shows now. Only while holding the parameter lock: a load or a
    // modulator's removal deletes parameters under it.
    Parameter* p_host_parameter(Vst::Int32 a_index) const;
    bool p_is_host_index(Vst::Int32 a_index) const;
    // Label or display text of a host index into a_text. The parameter lock is only tried: when it
    // is busy the last text answered for that index stands in.
    void p_parameter_text(Vst::Int32 a_index, char* a_text, bool a_display);
    void p_resume_sequence();

    // The texts last answered per host index, for answering while the parameter lock is busy.
    // Each has its own lock, only ever tried.
    struct TextCache {
        std::mutex m_lock;
        char m_label[parameter_text_limit + 1] = {};
        char m_display[parameter_text_limit + 1] = {};
    };

    std::unique_ptr<Device> m_device;
    DeviceProgram* m_program;
    std::vector<unsigned char> m_chunk;
    std::unique_ptr<TextCache[]> m_text_cache;
};

// Copies a_text into a_buffer cut to a_limit characters plus the terminator.
void copy_host_text(const std::string& a_text, char* a_buffer, std::size_t a_limit);

} // namespace Tonekit
