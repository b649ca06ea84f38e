#pragma once
// The parameters of the device settings, built in their stored order into a collection's root
// group (which owns them). The global and the instance settings hold the same set; only the
// instance gives them commit targets on the device.
//
// The first five commit at once (a settings change acts before the next audio block and takes
// the structural locks itself); the retrigger keys keep deferred commit and reach the device
// through the pending-change pass.

#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/Modvis.h"
#include "tonekit/ParameterTypes/ConversionType.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"
#include "tonekit/Parameters/ParameterSmoothingReason.h"

#include <cstdint>

namespace Tonekit {

class FloatParameter;
class P_RetriggeringKeyChannel;
class P_RetriggeringKeyIndex;
class ParameterCollection;

class DeviceSettingsParameters {
public:
    static constexpr unsigned retrigger_key_count = 8;

    static constexpr std::uint32_t id_modulation_precision = Orvo::four_cc("MoPr");
    static constexpr std::uint32_t id_modulation_visualization = Orvo::four_cc("MoVi");
    static constexpr std::uint32_t id_parameter_precision = Orvo::four_cc("PaPr");
    static constexpr std::uint32_t id_smoothing = Orvo::four_cc("PaSg");
    static constexpr std::uint32_t id_smoothness = Orvo::four_cc("PaSs");
    // "RKC1".."RKC8" and "RKI1".."RKI8"; a_slot is 0-based.
    static constexpr std::uint32_t retrigger_channel_id(unsigned a_slot) {
        return Orvo::four_cc("RKC1") + (a_slot << 24);
    }
    static constexpr std::uint32_t retrigger_key_id(unsigned a_slot) {
        return Orvo::four_cc("RKI1") + (a_slot << 24);
    }

    // Smoothness in milliseconds: the time a change across a parameter's whole span takes.
    static constexpr float smoothness_minimum = 1.0f;
    static constexpr float smoothness_maximum = 10000.0f;
    static constexpr float smoothness_default = 50.0f;

    explicit DeviceSettingsParameters(ParameterCollection& a_collection);

    P_TypedChoice<ExponentialPrecision>* m_modulation_precision;
    P_TypedChoice<Modvis>* m_modulation_visualization;
    P_TypedChoice<ExponentialPrecision>* m_parameter_precision;
    P_TypedChoice<ParameterSmoothingReason>* m_smoothing;
    FloatParameter* m_smoothness;
    P_RetriggeringKeyChannel* m_retrigger_channels[retrigger_key_count];
    P_RetriggeringKeyIndex* m_retrigger_keys[retrigger_key_count];
};

} // namespace Tonekit
