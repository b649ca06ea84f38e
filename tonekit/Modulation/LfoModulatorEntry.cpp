#include "tonekit/Modulation/LfoModulatorEntry.h"

#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/Parameters/CommittableCallback.h"

namespace Tonekit {

LfoModulatorEntry::LfoModulatorEntry(LfoModulator* a_modulator, bool a_start_phase_group)
    : ModifyingModulatorEntry(a_modulator), m_start_phase_group_value(a_start_phase_group) {
    // Regrouping resizes the LFO's signal records, which the audio thread must never do: the
    // switch is not offered to slots (so no host automation reaches it) and commits at once, on
    // the thread that set it, under the processing lock.
    m_start_phase_group = new P_Boolean(a_start_phase_group);
    m_start_phase_group->set_target(&m_start_phase_group_value);
    m_start_phase_group->m_deferred_commit = false;
    m_start_phase_group->set_committable_callback(new CommittableMethodCallback<LfoModulatorEntry>(
        this, &LfoModulatorEntry::p_grouping_changed));
    p_add(m_start_phase_group, id_start_phase_group, u"Start phase group", false);

    m_phase = p_add_float(id_phase, u"Phase", m_phase_lanes);
    FloatParameterVariation::create(m_phase, 1, u"Default", Unit_NONE, 0.0f, 1.0f, 0.0f, false,
                                    ConversionType_IDENTITY,
                                    FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR, true);
    m_phase->set_number_format(u"%.4f");
}

void LfoModulatorEntry::p_grouping_changed() {
    static_cast<LfoModulator*>(m_modulator)->entries_changed();
}

} // namespace Tonekit
