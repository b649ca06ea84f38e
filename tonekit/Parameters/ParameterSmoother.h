#pragma once
// Moves the value the signal path reads towards a parameter's committed target at a bounded rate,
// one control block at a time. The device keeps the active ones in a list and advances them on the
// audio thread only.

namespace Tonekit {

class Device;
class Parameter;

class ParameterSmoother {
public:
    ParameterSmoother(Device* a_device, Parameter* a_parameter)
        : m_device(a_device), m_parameter(a_parameter) {}
    ParameterSmoother(const ParameterSmoother&) = delete;
    ParameterSmoother& operator=(const ParameterSmoother&) = delete;

    // [audio-thread] Advances by a_frames (1..16) and sets m_finished.
    virtual void process(unsigned a_frames) = 0;
    virtual void update_coefficients() = 0;
    // Sets the current value to the target at once.
    virtual void jump() = 0;
    virtual ~ParameterSmoother() = default;

    Device* m_device;
    bool m_enlisted = false;
    bool m_finished = false;
    ParameterSmoother* m_next = nullptr;
    ParameterSmoother* m_previous = nullptr;
    Parameter* m_parameter;
    float m_current_value = 0.0f;
};

// The device's list of active smoothers. It is itself a smoother only so that the list is circular
// around it; its smoothing operations must never run.
class ParameterSmoother_ListHead final : public ParameterSmoother {
public:
    ParameterSmoother_ListHead();
    void process(unsigned a_frames) override;
    void update_coefficients() override;
    void jump() override;

    bool is_empty() const noexcept { return m_next == this; }
    // Appends unless already enlisted.
    void enlist(ParameterSmoother* a_node) noexcept;
    void list_remove(ParameterSmoother* a_node);
    // [audio-thread] Advances every active smoother and removes those that arrived.
    void process_all(unsigned a_frames) noexcept;
};

} // namespace Tonekit
