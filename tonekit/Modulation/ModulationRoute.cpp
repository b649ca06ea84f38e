#include "tonekit/Modulation/ModulationRoute.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/ParameterTypes/FloatParameter.h"

namespace Tonekit {

ModulationRoute::ModulationRoute(FloatParameter* a_target)
    : m_target(a_target), m_result(a_target->m_block.m_work_areas[0]),
      m_start(a_target->m_block.m_internal_start), m_span(a_target->m_block.m_internal_span),
      m_exponent_scale(a_target->m_block.m_exponent_scale), m_internal(a_target->m_lanes) {}

void ModulationRoute::refresh_finishing(const Device& a_device) noexcept {
    // Both sides start kept; a plain mode opens its side(s), a later clip mode keeps them again.
    bool top_kept = true;
    bool bottom_kept = true;
    for (const ModulatorEntry* entry : m_entries) {
        const ModulationKernels::PlacementBounds& bounds = entry->m_bounds;
        if (bounds.m_keeps_top)
            top_kept = true;
        if (bounds.m_opens_top)
            top_kept = false;
        if (bounds.m_keeps_bottom)
            bottom_kept = true;
        if (bounds.m_opens_bottom)
            bottom_kept = false;
    }
    m_choice.m_mapping = m_target->m_modulation_mapping;
    m_choice.m_out_of_range = ModulationKernels::OutOfRange(m_target->get_out_of_range());
    m_choice.m_top_open = !top_kept;
    m_choice.m_bottom_open = !bottom_kept;
    m_choice.m_precision = a_device.m_modulation_exponential_precision;
    m_finishing = ModulationKernels::finishing(m_choice);
}

} // namespace Tonekit
