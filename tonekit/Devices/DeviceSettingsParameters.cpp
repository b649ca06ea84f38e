#include "tonekit/Devices/DeviceSettingsParameters.h"

#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/Utf.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"
#include "tonekit/Parameters/ParameterCollection.h"

#include <initializer_list>
#include <string>

namespace Tonekit {
namespace {

class RootAppender {
public:
    explicit RootAppender(ParameterCollection& a_collection) : m_collection(a_collection) {}

    template <class P>
    P* operator()(P* a_parameter, std::uint32_t a_id, const Orvo::WString& a_name) {
        // The root group owns it from here on.
        ParameterGroup& root = m_collection.get_root();
        root.m_parameters.push_back(a_parameter);
        root.m_children.push_back(a_parameter);
        a_parameter->m_parent_group = &root;
        a_parameter->set_owner(&m_collection);
        a_parameter->m_id = a_id;
        a_parameter->set_display_name(a_name);
        return a_parameter;
    }

private:
    ParameterCollection& m_collection;
};

P_TypedChoice<ExponentialPrecision>* p_precision_choice(RootAppender& a_append, std::uint32_t a_id,
                                                        const Orvo::WString& a_name,
                                                        ExponentialPrecision a_default) {
    auto* choice = a_append(new P_TypedChoice<ExponentialPrecision>, a_id, a_name);
    choice->begin_options();
    choice->append_option(1, u"Approximate", ExponentialPrecision_APPROXIMATE);
    choice->append_option(2, u"Exact", ExponentialPrecision_EXACT);
    choice->end_options();
    choice->set_default_value(a_default);
    return choice;
}

Orvo::WString p_numbered(std::u16string_view a_template, unsigned a_slot) {
    return Orvo::format_message(a_template,
                                {Orvo::utf8_to_utf16_lossy(std::to_string(a_slot + 1))});
}

} // namespace

DeviceSettingsParameters::DeviceSettingsParameters(ParameterCollection& a_collection) {
    RootAppender append(a_collection);

    m_modulation_precision =
        p_precision_choice(append, id_modulation_precision, u"Modulation exponential precision",
                           ExponentialPrecision_APPROXIMATE);

    m_modulation_visualization =
        append(new P_TypedChoice<Modvis>, id_modulation_visualization, u"Modulation visualization");
    m_modulation_visualization->begin_options();
    m_modulation_visualization->append_option(1, u"All", Modvis_ALL);
    m_modulation_visualization->append_option(2, u"Below mouse cursor", Modvis_BELOW_MOUSE_CURSOR);
    m_modulation_visualization->append_option(3, u"None", Modvis_NONE);
    m_modulation_visualization->end_options();
    m_modulation_visualization->set_default_value(Modvis_ALL);

    m_parameter_precision =
        p_precision_choice(append, id_parameter_precision, u"Parameter exponential precision",
                           ExponentialPrecision_EXACT);

    m_smoothing =
        append(new P_TypedChoice<ParameterSmoothingReason>, id_smoothing, u"Parameter smoothing");
    m_smoothing->begin_options();
    m_smoothing->append_option(1, u"All", ParameterSmoothingReason_ALL);
    m_smoothing->append_option(2, u"Gui", ParameterSmoothingReason_GUI);
    m_smoothing->append_option(3, u"Host", ParameterSmoothingReason_HOST);
    m_smoothing->append_option(4, u"None", ParameterSmoothingReason_NONE);
    m_smoothing->end_options();
    m_smoothing->set_default_value(ParameterSmoothingReason_ALL);

    m_smoothness = append(new FloatParameter, id_smoothness, u"Parameter smoothness");
    FloatParameterVariation& smoothness =
        m_smoothness->set_units(Unit_MILLISECONDS, Unit_INVERTED_FRAMES);
    smoothness.m_external_interval_start = smoothness_minimum;
    smoothness.m_external_interval_end = smoothness_maximum;
    smoothness.m_external_default_value = smoothness_default;
    smoothness.m_exponential = 1;
    m_smoothness->set_number_format(u"%.4f");
    // The smoothing rate itself must not glide.
    m_smoothness->m_smoothing_enabled = false;
    m_smoothness->m_vector_size = 1;

    for (Parameter* immediate :
         std::initializer_list<Parameter*>{m_modulation_precision, m_modulation_visualization,
                                           m_parameter_precision, m_smoothing, m_smoothness})
        immediate->m_deferred_commit = false;

    for (unsigned slot = 0; slot < retrigger_key_count; ++slot)
        m_retrigger_channels[slot] =
            append(new P_RetriggeringKeyChannel, retrigger_channel_id(slot),
                   p_numbered(u"Retrigger channel @1", slot));
    // Slot n (1-based) listens to note n + 11 by default: C0, C#0, ... G0.
    for (unsigned slot = 0; slot < retrigger_key_count; ++slot)
        m_retrigger_keys[slot] =
            append(new P_RetriggeringKeyIndex(int(slot) + 12), retrigger_key_id(slot),
                   p_numbered(u"Retrigger key @1", slot));
}

} // namespace Tonekit
