#pragma once
// Moves the value the signal path reads towards a parameter's committed target at a bounded rate,
// one control block at a time. The device keeps the active ones in a list and advances them on the
// audio thread only.
//
// Life of a smoother:
// - created by the parameter's create_smoother, then jump() and update_coefficients() (rebuild);
// - idle: not enlisted, the current value equal to the last target;
// - the device's pending-change pass takes a change whose reason the device smooths: take_target()
//   copies the parameter's new value, and the smoother is enlisted (or keeps going if it already
//   was);
// - each control block process(frames) moves it; once finished the list drops it;
// - a change committed at once (its reason not smoothed, a reset, a load) commits the parameter and
//   jump()s, so the next glide starts from what the lanes hold.
//
// The target is a copy taken while the device holds the values still (the pending-change pass
// runs under the parameter lock; everything else under the processing lock): the audio thread
// never reads a value the user-interface thread may be writing.

namespace Tonekit {

class Device;
class Parameter;

class ParameterSmoother {
public:
    static constexpr unsigned coefficient_count = 16;

    // a_target_source is the parameter's value the smoother moves to (internal or normalized).
    ParameterSmoother(Device* a_device, Parameter* a_parameter, const float* a_target_source)
        : m_device(a_device), m_parameter(a_parameter), m_target_source(a_target_source) {}
    ParameterSmoother(const ParameterSmoother&) = delete;
    ParameterSmoother& operator=(const ParameterSmoother&) = delete;

    // [audio-thread] Advances by a_frames (1..16) and sets m_finished. Must not allocate, lock or
    // throw.
    virtual void process(unsigned a_frames) = 0;
    // [processing lock held] Recomputes the coefficients for 1..16 frames from the device's
    // smoothing rate and the parameter's definition.
    virtual void update_coefficients() = 0;
    // [processing lock held] The current value becomes the parameter's value at once. The lanes
    // are the caller's business (it commits the parameter).
    virtual void jump() = 0;
    virtual ~ParameterSmoother() = default;

    // [audio-thread in the pending-change pass, or processing lock held]
    void take_target() noexcept { m_target = *m_target_source; }
    float get_target() const noexcept { return m_target; }

    Device* m_device;
    bool m_enlisted = false;
    bool m_finished = false;
    // m_coefficients[n - 1] is the step for n frames: advancing never needs a power function.
    alignas(16) float m_coefficients[coefficient_count] = {};
    ParameterSmoother* m_next = nullptr;
    ParameterSmoother* m_previous = nullptr;
    Parameter* m_parameter;
    float m_current_value = 0.0f;

protected:
    const float* m_target_source;
    float m_target = 0.0f;
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
    // [audio-thread] Advances every active smoother and removes those that arrived. A count of 0
    // (an empty host block inside a pending control block) moves nothing; counts above one
    // control block are cut to it.
    void process_all(unsigned a_frames) noexcept;
};

} // namespace Tonekit
