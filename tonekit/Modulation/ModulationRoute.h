#pragma once
// The chain of entries aimed at one target, in processing order, and how the chain's result
// becomes the target's internal value. Built by the routing rebuild on the user-interface thread;
// the audio thread only follows it.

#include "tonekit/Modulation/ModulationKernels.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Tonekit {

class Device;
class FloatParameter;
class ModulatorEntry;

class ModulationRoute {
public:
    explicit ModulationRoute(FloatParameter* a_target);

    // Where the chain's entries write the target's value (a work area of the target).
    float* get_result() const noexcept { return m_result; }
    // [audio-thread] The chain's result to the target's internal lanes. Inline: the processing
    // calls it for every chain end of every chunk.
    void finish() const noexcept {
        if (m_finishing)
            m_finishing(m_result, m_start, m_span, m_exponent_scale, m_internal);
    }
    // Bounds bookkeeping over the chain and the finishing kernel it asks for. [audio-thread in the
    // commit pass, or structural locks held] Allocation-free.
    void refresh_finishing(const Device& a_device) noexcept;

    FloatParameter* m_target;
    // Entries of pre- and post-note modulators: one value per frame for the target.
    std::vector<ModulatorEntry*> m_entries;
    // Entries of in-note modulators: one value per frame and voice, kept for devices with notes.
    std::vector<ModulatorEntry*> m_voice_entries;
    std::vector<std::uint64_t> m_serials;
    ModulationKernels::FinishingChoice m_choice;
    ModulationKernels::Finishing m_finishing = nullptr;
    struct alignas(16) VoiceResults {
        float m_lanes[16][16];
    };
    std::unique_ptr<VoiceResults> m_voice_results;

private:
    // The target's work area, modulation constants and internal lanes, looked up once: they stay
    // where they are for the target's lifetime, which the route never outlives.
    float* m_result;
    const float* m_start;
    const float* m_span;
    const float* m_exponent_scale;
    float* m_internal;
};

} // namespace Tonekit
