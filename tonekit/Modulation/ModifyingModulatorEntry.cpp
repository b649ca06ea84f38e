#include "tonekit/Modulation/ModifyingModulatorEntry.h"

#include "tonekit/Modulation/ModifyingModulator.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/Parameter_Modifier.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/Parameters/CommittableCallback.h"

namespace Tonekit {
namespace {

struct LocationOption {
    std::uint32_t m_id;
    ModificationType m_type;
    const char16_t* m_label;
    const char16_t* m_short_label;
};

// Menu order; a null label is a separator. Presets store the identifiers.
constexpr LocationOption location_options[] = {
    {1, ModificationType_ABOVE, u"Above", u"Above"},
    {2, ModificationType_ABOVE_CLIP_TOP, u"Above (clip top)", u"Above (ct)"},
    {3, ModificationType_ABOVE_RESTRICT_TOP, u"Above (restrict top)", u"Above (rt)"},
    {4, ModificationType_ABOVE_SCALE_TOP, u"Above (scale top)", u"Above (st)"},
    {0, ModificationType_ABOVE, nullptr, nullptr},
    {9, ModificationType_BELOW, u"Below", u"Below"},
    {10, ModificationType_BELOW_CLIP_BOTTOM, u"Below (clip bottom)", u"Below (cb)"},
    {11, ModificationType_BELOW_RESTRICT_BOTTOM, u"Below (restrict bottom)", u"Below (rb)"},
    {12, ModificationType_BELOW_SCALE_BOTTOM, u"Below (scale bottom)", u"Below (sb)"},
    {0, ModificationType_ABOVE, nullptr, nullptr},
    {5, ModificationType_AROUND, u"Around", u"Around"},
    {6, ModificationType_AROUND_CLIP, u"Around (clip)", u"Around (cl)"},
    {7, ModificationType_AROUND_RESTRICT, u"Around (restrict)", u"Around (re)"},
    {8, ModificationType_AROUND_SCALE, u"Around (scale)", u"Around (sc)"},
    {0, ModificationType_ABOVE, nullptr, nullptr},
    {15, ModificationType_ASYMMETRIC_RESTRICT, u"Asymmetric above/below (restrict)",
     u"Asymmetric (re)"},
    {16, ModificationType_ASYMMETRIC_SCALE, u"Asymmetric above/below (scale)", u"Asymmetric (sc)"},
    {0, ModificationType_ABOVE, nullptr, nullptr},
    {14, ModificationType_BETWEEN_PARAMETER_AND_RANGE, u"Between (parameter and range)",
     u"Between (pr)"},
    {13, ModificationType_BETWEEN_RANGE_AND_PARAMETER, u"Between (range and parameter)",
     u"Between (rp)"},
};

ModulationKernels::SignalForm p_form(ModificationType a_type, bool a_inverted) noexcept {
    using namespace ModulationKernels;
    switch (a_type) {
    case ModificationType_BELOW:
    case ModificationType_BELOW_CLIP_BOTTOM:
    case ModificationType_BELOW_RESTRICT_BOTTOM:
    case ModificationType_BELOW_SCALE_BOTTOM:
        return a_inverted ? SignalForm_UPWARD : SignalForm_DOWNWARD;
    case ModificationType_AROUND:
    case ModificationType_AROUND_CLIP:
    case ModificationType_AROUND_RESTRICT:
    case ModificationType_AROUND_SCALE:
    case ModificationType_ASYMMETRIC_RESTRICT:
    case ModificationType_ASYMMETRIC_SCALE:
        return a_inverted ? SignalForm_NEGATED : SignalForm_CENTRED;
    default:
        return a_inverted ? SignalForm_DOWNWARD : SignalForm_UPWARD;
    }
}

} // namespace

ModifyingModulatorEntry::ModifyingModulatorEntry(ModifyingModulator* a_modulator)
    : ModulatorEntry(a_modulator) {
    auto* configure_callback = new CommittableMethodCallback<ModifyingModulatorEntry>(
        this, &ModifyingModulatorEntry::configure);

    m_invert = new P_Boolean(false);
    m_invert->set_target(&m_invert_value);
    m_invert->set_committable_callback(configure_callback);
    p_add(m_invert, id_invert, u"Invert");

    m_location = new P_TypedChoice<ModificationType>;
    m_location->begin_options();
    for (const LocationOption& option : location_options) {
        if (!option.m_label)
            m_location->append_separator();
        else
            m_location->append_option(option.m_id, option.m_short_label, option.m_type,
                                      option.m_label);
    }
    m_location->end_options();
    m_location->set_default_option(1);
    m_location->set_target(&m_location_value);
    m_location->set_committable_callback(configure_callback);
    p_add(m_location, id_location, u"Location");

    m_range = new Parameter_Modifier(this);
    m_range->bind_lanes(m_range_lanes, FloatParameter::lane_count);
    FloatParameterVariation& range = m_range->set_units(Unit_NONE, Unit_NONE);
    range.m_external_interval_start = 0.0f;
    range.m_external_interval_end = 1.0f;
    range.m_external_default_value = 0.5f;
    m_range->set_number_format(u"%.4f");
    p_add(m_range, id_range, u"Range");
}

ModifyingModulator* ModifyingModulatorEntry::p_modulator() const noexcept {
    return static_cast<ModifyingModulator*>(m_modulator);
}

void ModifyingModulatorEntry::configure() noexcept {
    const bool inverted = p_modulator()->is_inverted() != m_invert_value;
    m_form = p_form(m_location_value, inverted);
    m_placement = ModulationKernels::placement(m_location_value);
    m_bounds = ModulationKernels::placement_bounds(m_location_value);
    if (m_record >= p_modulator()->get_record_count())
        m_record = 0;
    p_modulator()->refresh_plan();
    if (m_modulator->m_manager)
        m_modulator->m_manager->entry_configuration_changed(this);
}

} // namespace Tonekit
