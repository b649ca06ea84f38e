#pragma once
// The host-independent plug-in object. It owns the parameter program, the settings, presets,
// modulation and musical triggers, and runs the audio in control blocks of 16 frames that stay
// aligned across host calls, whatever sizes the host's blocks have.
//
// Threads: the host's audio thread enters only process(); everything else runs on the host's
// other threads, as a rule its user-interface thread. Locks, always taken in this order:
// processing lock, parameter lock, modulation lock. The audio thread only ever try-locks (a busy
// processing lock makes that block silent); the change-queue and GUI-queue locks are leaves.

#include "tonekit/Devices/DeviceListener.h"
#include "tonekit/Devices/DeviceStaticConfig.h"
#include "tonekit/Devices/GuiRefreshQueue.h"
#include "tonekit/Devices/MidiRing.h"
#include "tonekit/Devices/Modvis.h"
#include "tonekit/Devices/ParameterChangeQueue.h"
#include "tonekit/Devices/ProcessRequest.h"
#include "tonekit/ParameterTypes/ConversionType.h"
#include "tonekit/Parameters/CommittableCallback.h"
#include "tonekit/Parameters/ParameterOwner.h"
#include "tonekit/Parameters/ParameterSmoother.h"
#include "tonekit/Parameters/ParameterSmoothingReason.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class DeviceGlobalSettings;
class DeviceGui;
class DeviceInstanceSettings;
class DeviceProgram;
class Host;
class ModulationManager;
class MusicalTriggerManager;
class Parameter;
class PresetManager;

class Device : public ParameterOwner {
public:
    using Lock = std::recursive_mutex;
    static constexpr unsigned control_block_frames = 16;

    Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device() override;

    // [ui-thread] Once, right after construction. Throws on a bad configuration or when the data
    // folders cannot be found or created.
    void initialize();

    // [audio-thread] The processing entry. Never waits, never throws.
    void process(const ProcessRequest& a_request) noexcept;

    // [ui-thread]
    void setSampleRate(float a_rate);
    void reset();
    void queue_change(Parameter* a_parameter, unsigned a_reason);
    // [any-thread] queue_change without waiting: false when the change queue is busy.
    bool try_queue_change(Parameter* a_parameter, unsigned a_reason) noexcept;
    // [any-thread] Records that the GUI should show a_parameter afresh; never waits (see
    // GuiRefreshQueue). Nothing is recorded while no GUI exists.
    void queue_gui_refresh(Parameter* a_parameter) noexcept { m_gui_refresh.push(a_parameter); }
    void add_listener(DeviceListener* a_listener);
    void remove_listener(DeviceListener* a_listener);
    // Every parameter of the device: its value applied at once, then each distinct callback once;
    // pending changes are dropped. The caller holds the processing lock.
    void commit_all_parameters();
    // Gives a_parameter a device index; called when a collection is initialized.
    void register_parameter(Parameter* a_parameter);
    // Every parameter whose conversion uses the sample rate registers here.
    void register_sample_rate_dependent(Parameter* a_parameter);
    // [ui-thread, structural locks held] A parameter that is about to be deleted (one of a
    // removed modulator's) leaves every list of the device: all parameters, sample-rate
    // dependents, pending changes and active smoothers.
    void unregister_parameter(Parameter* a_parameter);

    Lock& processing_lock() noexcept { return m_processing_lock; }
    Lock& parameter_lock() noexcept { return m_parameter_lock; }
    Lock& modulation_lock() noexcept;
    // The processing, parameter and modulation locks, taken strictly in that order (and released
    // in reverse) for structural changes.
    class StructureLock {
    public:
        explicit StructureLock(Device& a_device)
            : m_processing(a_device.m_processing_lock), m_parameter(a_device.m_parameter_lock),
              m_modulation(a_device.modulation_lock()) {}

    private:
        std::unique_lock<Lock> m_processing;
        std::unique_lock<Lock> m_parameter;
        std::unique_lock<Lock> m_modulation;
    };
    StructureLock lock_structure() { return StructureLock(*this); }
    // The parameter and modulation locks: enough for a consistent copy of the state (saving),
    // and the audio goes on meanwhile, since it only needs the processing lock.
    class ValueLock {
    public:
        explicit ValueLock(Device& a_device)
            : m_parameter(a_device.m_parameter_lock), m_modulation(a_device.modulation_lock()) {}

    private:
        std::unique_lock<Lock> m_parameter;
        std::unique_lock<Lock> m_modulation;
    };
    ValueLock lock_values() { return ValueLock(*this); }

    float get_sample_rate() const noexcept { return m_sample_rate; }
    double get_tempo() const noexcept { return m_tempo; }
    double get_song_position() const noexcept { return m_song_position; }
    int get_input_count() const noexcept { return m_input_count; }
    int get_output_count() const noexcept { return m_output_count; }
    bool is_instrument() const noexcept { return m_instrument; }
    int get_lifecycle_state() const noexcept { return m_lifecycle_state; }
    const DeviceStaticConfig& get_static_config() const noexcept { return m_static_config; }
    const Orvo::WString& get_settings_path() const noexcept { return m_settings_path; }
    bool has_critical_error() const noexcept { return m_critical_error; }
    const Orvo::WString& get_critical_error() const noexcept { return m_critical_error_message; }
    void set_critical_error(const Orvo::WString& a_message);

    Host* get_host() const noexcept { return m_host; }
    void set_host(Host* a_host) noexcept { m_host = a_host; }
    DeviceProgram* get_program() const noexcept { return m_program.get(); }
    PresetManager* get_preset_manager() const noexcept { return m_preset_manager.get(); }
    ModulationManager* get_modulation_manager() const noexcept { return m_modulation.get(); }
    MusicalTriggerManager* get_triggers() const noexcept { return m_triggers.get(); }
    DeviceGui* get_gui() const noexcept { return m_gui; }
    // [ui-thread] The editor's content: the critical-error GUI when the device has a critical
    // error, else the concrete device's own (null when it has none). Fails "!m_gui" while a GUI
    // exists. Defined by the device GUI library (tonekit_gui): only code that links it opens
    // editors.
    DeviceGui* create_gui();
    // The GUI's destructor lets go of it.
    void p_gui_destroyed(DeviceGui* a_gui) noexcept {
        if (m_gui == a_gui) {
            m_gui = nullptr;
            m_gui_refresh.set_gui_attached(false);
        }
    }
    // The changed-for-GUI arrays, the full-refresh flag and the GUI's update freeze.
    GuiRefreshQueue& get_gui_refresh_queue() noexcept { return m_gui_refresh; }
    // Whether the concrete device makes a GUI of its own (create_gui_object); hosts are offered
    // an editor only then.
    virtual bool provides_gui() const { return false; }
    // Writes the device's factory presets into its preset folder when they are not there yet and
    // rescans it; true when they are there afterwards. A device without a bank answers false.
    // [ui-thread]
    virtual bool install_factory_presets() { return false; }
    MidiRing& get_midi_ring() noexcept { return m_midi_ring; }
    const std::vector<Parameter*>& get_all_parameters() const noexcept { return m_all_parameters; }
    // Null before initialize() and after close().
    ParameterSmoother_ListHead* get_smoother_list() const noexcept { return m_smoothers.get(); }
    // Null until initialize() created it; smoothers exist only once it does.
    DeviceInstanceSettings* get_instance_settings() const noexcept {
        return m_instance_settings.get();
    }
    // The user's defaults for new instances (the settings file); null until initialize().
    DeviceGlobalSettings* get_global_settings() const noexcept { return m_global_settings.get(); }

    // What the instance settings commit. The audio thread reads them; they change only while the
    // processing lock is held (settings commit at once under it) or in the pending-change pass.
    //
    // Fraction of a parameter's full span that a smoother moves per frame: the internal value of
    // "Parameter smoothness", 1000 / (milliseconds x sample rate).
    alignas(16) float m_smoothing_step = 0.0f;
    ParameterSmoothingReason m_smoothing_reason_mask = ParameterSmoothingReason_ALL;
    ExponentialPrecision m_parameter_exponential_precision = ExponentialPrecision_EXACT;
    ExponentialPrecision m_modulation_exponential_precision = ExponentialPrecision_APPROXIMATE;
    // Read by the device GUI.
    Modvis m_modulation_visualization = Modvis_ALL;
    // The retrigger key definitions for the musical triggers: a channel (-1 any, else 0..15) and
    // a key (-2 none, -1 any, else a note number) each.
    static constexpr unsigned retrigger_key_count = 8;
    int m_retrigger_channels[retrigger_key_count] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int m_retrigger_keys[retrigger_key_count] = {12, 13, 14, 15, 16, 17, 18, 19};

    // Overridable operations, in the order of the device's operation table.
    virtual void build() {}
    virtual void hook() {}
    virtual void on_reset() {}
    virtual void on_close() {}
    virtual void on_sample_rate_changed() {}
    virtual void resume() {}
    virtual void suspend() {}
    virtual void close();
    // [audio-thread] One full control block of 16 frames.
    virtual void process_block(const InputPair& a_inputs, const OutputPair& a_outputs);
    virtual void finish_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                      unsigned a_frames);
    virtual void continue_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                        unsigned a_frames);
    virtual void start_partial_block(const InputPair& a_inputs, const OutputPair& a_outputs,
                                     unsigned a_frames);
    virtual DeviceGui* create_gui_object() { return nullptr; }
    virtual void load_program_data(Orvo::BiniNode&) {}
    virtual void load_state_data(Orvo::BiniNode&) {}
    virtual void reset_data() {}
    virtual void save_program_data(Orvo::BiniNode&) {}
    virtual void save_state_data(Orvo::BiniNode&) {}
    // [audio-thread]
    virtual void handle_midi(std::uint32_t a_word);
    virtual void note_off(unsigned a_channel, unsigned a_key, unsigned a_velocity);
    virtual void note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity);
    virtual int query() { return 0; }
    virtual DeviceGlobalSettings* create_global_settings();
    virtual DeviceInstanceSettings* create_instance_settings();
    virtual void on_first_block_after_reset() {}

protected:
    // Before initialize(): a concrete device (or a test) brings its own modulation manager.
    void set_modulation_manager(std::unique_ptr<ModulationManager> a_manager);

    DeviceStaticConfig m_static_config;
    int m_input_count = 0;
    int m_output_count = 0;
    bool m_instrument = false;

private:
    void p_check_config() const;
    void p_derive_folders();
    void p_create_folders();
    void p_create_settings();
    // Commit callbacks of the instance settings; each takes the structural locks.
    void p_on_modulation_precision_changed();
    void p_on_parameter_precision_changed();
    void p_on_smoothing_changed();
    void p_commit_pass() noexcept;
    // One parameter's change in the commit pass: a glide towards it, or the value at once.
    void p_apply_change(Parameter* a_parameter, unsigned a_reason) noexcept;
    void p_notify(DeviceListener::List a_list);
    // The body of setSampleRate, under the structural locks.
    void p_apply_sample_rate(float a_rate);
    void p_flush_smoothers();
    void p_walk_control_blocks(InputPair a_inputs, OutputPair a_outputs, unsigned a_frames);

    float m_sample_rate = 1000.0f;
    double m_tempo = 100.0;
    double m_song_position = 0.0;
    int m_lifecycle_state = 0;
    Orvo::WString m_settings_path;
    bool m_critical_error = false;
    Orvo::WString m_critical_error_message;
    MidiRing m_midi_ring;
    bool m_partial_block_pending = false;
    unsigned m_partial_block_missing = 0;
    bool m_reset_happened = false;
    std::vector<DeviceListener*> m_listeners[3];
    DeviceGui* m_gui = nullptr;
    Host* m_host = nullptr;

    Lock m_processing_lock;
    Lock m_parameter_lock;

    std::unique_ptr<DeviceProgram> m_program;
    std::unique_ptr<PresetManager> m_preset_manager;
    std::unique_ptr<DeviceGlobalSettings> m_global_settings;
    std::unique_ptr<DeviceInstanceSettings> m_instance_settings;
    std::unique_ptr<ModulationManager> m_modulation;
    std::unique_ptr<MusicalTriggerManager> m_triggers;
    std::unique_ptr<ParameterSmoother_ListHead> m_smoothers;
    std::unique_ptr<CommittableCallback_ListHead> m_commits;
    std::unique_ptr<ParameterChangeQueue> m_changes;
    std::vector<Parameter*> m_all_parameters;
    std::vector<Parameter*> m_sample_rate_dependent;
    GuiRefreshQueue m_gui_refresh;
};

} // namespace Tonekit
