#pragma once
// Declares the chorus's parameters, in the order hosts, presets and the editor rely on: the global
// parameters, the sixteen assignable slots, then one group per voice parameter with voices 1 to 8.

#include "chorus/ChorusParameterTargets.h"
#include "orvo/Core/String.h"

#include <cstdint>

namespace Tonekit {
class CommittableCallback;
class DeviceProgramBuilder;
class FloatParameter;
class Parameter;
} // namespace Tonekit

namespace tolvanchorus {

class SignalPath;

class ChorusParameterBuilder {
public:
    ChorusParameterBuilder(Tonekit::DeviceProgramBuilder& a_builder, SignalPath& a_signal_path,
                           ChorusParameterTargets& a_targets,
                           Tonekit::CommittableCallback* a_voice_callback,
                           Tonekit::CommittableCallback* a_choice_callback);

    void build();

    static constexpr unsigned assignable_slot_count = 16;
    // "As00".."As15".
    static std::uint32_t slot_id(unsigned a_slot);
    // A per-voice id: three characters and the voice digit 1..8.
    static std::uint32_t voice_id(const char (&a_prefix)[4], unsigned a_voice);

private:
    void p_global_parameters();
    void p_assignable_slots();
    void p_voice_groups();
    void p_add(Tonekit::Parameter* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name,
               const Orvo::WString& a_short_name = {});
    Tonekit::FloatParameter* p_float(std::uint32_t a_id, const Orvo::WString& a_name,
                                     float* a_lanes);
    void p_transformation_choice(std::uint32_t a_id, const Orvo::WString& a_name,
                                 TransformationFunction* a_target);
    void p_panning_law_choice(std::uint32_t a_id, const Orvo::WString& a_name,
                              const Orvo::WString& a_short_name, PanningLawFunction* a_target);

    Tonekit::DeviceProgramBuilder& m_builder;
    SignalPath& m_signal_path;
    ChorusParameterTargets& m_targets;
    Tonekit::CommittableCallback* m_voice_callback;
    Tonekit::CommittableCallback* m_choice_callback;
};

} // namespace tolvanchorus
