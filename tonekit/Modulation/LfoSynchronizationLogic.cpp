#include "tonekit/Modulation/LfoSynchronizationLogic.h"

#include "tonekit/Devices/Device.h"

#include <cmath>

namespace Tonekit {

CommittableCallback* LfoSynchronizationLogic::create_committable_callback() {
    return new CommittableMethodCallback<LfoSynchronizationLogic>(
        this, &LfoSynchronizationLogic::recompute);
}

void LfoSynchronizationLogic::recompute() noexcept {
    // The parameters keep the denominator at 1 or more; a zero from elsewhere must not divide.
    const double denominator = m_denominator > 0 ? double(m_denominator) : 1.0;
    m_cycle_length = (double(m_whole) + double(m_numerator) / denominator) *
                     lfo_synchronization_factor(m_modifier);

    const double rate = m_device ? double(m_device->get_sample_rate()) : 0.0;
    double samples_per_cycle = rate * m_cycle_length;
    if (m_type != LfoSynchronizationType_SECONDS) {
        const double tempo = m_device ? m_device->get_tempo() : 0.0;
        samples_per_cycle =
            tempo > 0.0 && std::isfinite(tempo) ? m_cycle_length * 4.0 * 60.0 * rate / tempo : 0.0;
    }
    m_base_increment =
        samples_per_cycle > 0.0 && std::isfinite(samples_per_cycle) ? 1.0 / samples_per_cycle : 0.0;
    for (unsigned lane = 0; lane < m_lane_count; ++lane)
        m_increments[lane] = m_base_increment;
}

} // namespace Tonekit
