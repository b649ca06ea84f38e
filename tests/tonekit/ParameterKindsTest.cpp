// The parameter kinds as users meet them: normalized values and their conversions, value
// texts, clamping, and loading of stored values, old identifiers and bad data.

#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Binis/BiniNode.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"
#include "tonekit/ParameterTypes/P_Integer.h"
#include "tonekit/ParameterTypes/Parameter_String.h"
#include "tonekit/Parameters/LoadReport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace TonekitTest;
using Tonekit::ConversionType;
using Tonekit::FloatParameter;
using Tonekit::FloatParameterVariation;
using Tonekit::P_Boolean;
using Tonekit::P_GenericChoice;
using Tonekit::P_Integer;
using Tonekit::Unit;

namespace {

FloatParameter* add_float(ParameterBench& a_bench, const char (&a_id)[5], Unit a_unit,
                          float a_start, float a_end, float a_default, bool a_exponential = false,
                          ConversionType a_conversion = Tonekit::ConversionType_IDENTITY) {
    auto* parameter = a_bench.add(new FloatParameter, a_id);
    FloatParameterVariation::create(parameter, 1, u"Default", a_unit, a_start, a_end, a_default,
                                    a_exponential, a_conversion,
                                    FloatParameterVariation::Polarity_POSITIVE_UNIPOLAR, true);
    return parameter;
}

FloatParameter* add_milliseconds(ParameterBench& a_bench, const char (&a_id)[5], float a_end,
                                 float a_default) {
    return add_float(a_bench, a_id, Tonekit::Unit_MILLISECONDS, 0.0f, a_end, a_default, false,
                     Tonekit::ConversionType_MILLISECONDS_TO_FRAMES);
}

std::u16string value_text(Tonekit::Parameter& a_parameter) {
    Orvo::WString text;
    a_parameter.get_value_text(text);
    return std::u16string(text.view());
}

} // namespace

TEST(FloatParameter, ExponentialIntervalPutsTheGeometricMeanInTheMiddleAtBothPrecisions) {
    for (unsigned precision : {0u, 1u}) {
        ParameterBench bench;
        bench.m_device.m_parameter_exponential_precision = Tonekit::ExponentialPrecision(precision);
        FloatParameter* p =
            add_float(bench, "Expo", Tonekit::Unit_NONE, 1.0f / 32.0f, 32.0f, 1.0f, true);
        FloatParameter* wide =
            add_float(bench, "Hz  ", Tonekit::Unit_HERTZ, 20.0f, 20000.0f, 1000.0f, true,
                      Tonekit::ConversionType_HERTZ_TO_NORMALIZED_FREQUENCY);
        bench.initialize();
        EXPECT_NEAR(p->get_normalized_value(), 0.5f, 1e-6f) << precision;
        p->set_normalized_value(0.75f);
        EXPECT_NEAR(p->get_value(), std::sqrt(32.0f) * 1.0f, 1e-3f) << precision;
        // Both ends stay inside the interval, whatever the approximation does there.
        for (float n : {0.0f, 1.0f}) {
            wide->set_normalized_value(n);
            EXPECT_GE(wide->get_value(), 20.0f) << precision;
            EXPECT_LE(wide->get_value(), 20000.0f) << precision;
            const float end = n == 0.0f ? 20.0f : 20000.0f;
            EXPECT_NEAR(wide->get_value(), end, end * 1e-4f) << precision;
        }
    }
}

TEST(FloatParameter, ValueTextsShowSixSignificantDigitsAndTheShortUnit) {
    ParameterBench bench;
    FloatParameter* none = add_float(bench, "None", Tonekit::Unit_NONE, 0.0f, 1.0f, 0.5f);
    FloatParameter* ms = add_milliseconds(bench, "Msec", 2e6f, 12.5f);
    bench.initialize();
    EXPECT_EQ(value_text(*none), u"0.5 ");
    EXPECT_EQ(value_text(*ms), u"12.5 ms");
    Orvo::WString text;
    ms->get_unit_text(text);
    EXPECT_EQ(text, u"ms");
    ms->get_description_text(text);
    EXPECT_EQ(text, u"Test: 12.5 ms");

    ms->set_normalized_value(1234567.0f / 2e6f);
    EXPECT_EQ(value_text(*ms), u"1.23457e+06 ms");

    none->set_number_format(u"%.4f");
    none->get_number_text(text);
    EXPECT_EQ(text, u"0.5000");
    std::string narrow;
    none->get_number_text(narrow);
    EXPECT_EQ(narrow, "0.5000");
    for (const char16_t* bad : {u"%d", u"%s", u"%f %f", u"no number", u"%*f"})
        EXPECT_EQ(failure_message([&] { none->set_number_format(bad); }),
                  u"is_float_format(narrow)")
            << std::string(bad, bad + 3);
    none->get_number_text(narrow);
    EXPECT_EQ(narrow, "0.5000") << "a refused format leaves the old one";
}

TEST(FloatParameter, LoadingClampsToTheIntervalAndRefusesNaN) {
    ParameterBench bench;
    FloatParameter* p = add_milliseconds(bench, "Dela", 50.0f, 15.0f);
    bench.initialize();
    const auto load = [&](float a_value) {
        Orvo::BiniNode node;
        node.add_child(Tonekit::Parameter::child_value)->set_value_float(a_value);
        Tonekit::LoadReport report;
        return p->load(node, report);
    };
    EXPECT_TRUE(load(80.0f));
    EXPECT_EQ(p->get_value(), 50.0f);
    EXPECT_EQ(p->get_normalized_value(), 1.0f);
    EXPECT_TRUE(load(-std::numeric_limits<float>::infinity()));
    EXPECT_EQ(p->get_value(), 0.0f);
    EXPECT_TRUE(load(30.0f));
    EXPECT_FALSE(load(std::nanf(""))) << "NaN is nearer to neither end";
    EXPECT_EQ(p->get_value(), 15.0f) << "a failed load resets";
    EXPECT_TRUE(std::isfinite(p->get_internal_value()));
    EXPECT_FALSE(std::isnan(p->get_normalized_value()));

    Orvo::BiniNode wrong;
    wrong.set_value_int32(3);
    EXPECT_EQ(failure_message<Orvo::BiniException_InvalidValueType>([&] { p->do_load(wrong); }),
              u"Node \"/\":\nExpected type float.");
}

TEST(FloatParameter, MillisecondsAreReconvertedWhenTheSampleRateChanges) {
    ParameterBench bench;
    alignas(16) float lanes[16] = {};
    FloatParameter* delay = add_milliseconds(bench, "Dela", 50.0f, 12.5f);
    delay->bind_lanes(lanes, 16);
    FloatParameter* gain = add_float(bench, "Gain", Tonekit::Unit_NONE, 0.0f, 1.0f, 0.5f);
    bench.initialize();
    bench.m_device.setSampleRate(48000.0f);
    EXPECT_FLOAT_EQ(delay->get_internal_value(), 600.0f);
    EXPECT_FLOAT_EQ(lanes[15], 600.0f) << "the device commits after re-converting";
    EXPECT_FLOAT_EQ(delay->m_block.m_internal_span[3], 2400.0f);
    bench.m_device.setSampleRate(96000.0f);
    EXPECT_FLOAT_EQ(lanes[0], 1200.0f);
    EXPECT_EQ(gain->get_internal_value(), 0.5f);
}

// Each value owns an equal share of 0..1 and normalizes to its centre; the widest interval
// neither overflows nor leaves itself.
TEST(P_Integer, NormalizedValuesMapToEqualSharesOfTheInterval) {
    const struct {
        int m_start, m_end, m_default;
        float m_default_normalized, m_normalized;
        int m_value;
        float m_centre;
    } cases[] = {
        {0, 4, 2, 0.5f, 1.0f, 4, 0.9f},
        {0, 4, 2, 0.5f, 0.0f, 0, 0.1f},
        {0, 4, 2, 0.5f, 0.39f, 1, 0.3f},
        {4, 0, 4, 0.1f, 1.0f, 0, 0.9f},
        {INT_MIN, INT_MAX, 0, 0.5f, 1.0f, INT_MAX, 1.0f},
        {INT_MIN, INT_MAX, 0, 0.5f, 0.0f, INT_MIN, 0.0f},
    };
    for (const auto& c : cases) {
        ParameterBench bench;
        auto* p = bench.add(new P_Integer(c.m_start, c.m_end, c.m_default), "Intg");
        bench.initialize();
        EXPECT_NEAR(p->get_normalized_value(), c.m_default_normalized, 1e-6f) << c.m_start;
        p->set_normalized_value(c.m_normalized);
        EXPECT_EQ(p->get_value(), c.m_value) << c.m_start << " at " << c.m_normalized;
        p->normalize();
        EXPECT_NEAR(p->get_normalized_value(), c.m_centre, 1e-6f) << c.m_start;
    }
}

TEST(P_Integer, LoadingAndSettingClampToTheInterval) {
    ParameterBench bench;
    RecordingHost host;
    int target = 0;
    auto* p = bench.add(new P_Integer(-2, 127, 12), "Key ");
    p->set_target(&target);
    p->m_host_notifier = &host;
    bench.initialize();
    Orvo::BiniNode node;
    node.set_value_int32(500);
    EXPECT_TRUE(p->do_load(node));
    EXPECT_EQ(p->get_value(), 127);
    node.set_value_int32(INT_MIN);
    EXPECT_TRUE(p->do_load(node));
    EXPECT_EQ(p->get_value(), -2);
    node.set_value_uint32(3);
    EXPECT_THROW(p->do_load(node), Orvo::BiniException_InvalidValueType);

    Orvo::WString text;
    p->get_value_text(text);
    EXPECT_EQ(text, u"-2");
    p->set_value(-2);
    EXPECT_TRUE(host.m_events.empty()) << "an unchanged value goes nowhere";
    p->set_value(1000);
    EXPECT_EQ(p->get_value(), 127);
    EXPECT_EQ(host.m_events, (std::vector<std::string>{"begin -1", "end -1"}));
    bench.run_commit_pass();
    EXPECT_EQ(target, 127);
}

TEST(P_Boolean, HalfwayIsOnAndTheTextsSayIt) {
    ParameterBench bench;
    auto* p = bench.add(new P_Boolean(false), "Ena1");
    bench.initialize();
    Orvo::WString text;
    p->get_value_text(text);
    EXPECT_EQ(text, u"Off");
    p->set_normalized_value(0.4999f);
    EXPECT_FALSE(p->get_value());
    p->set_normalized_value(0.5f);
    EXPECT_TRUE(p->get_value());
    EXPECT_EQ(p->get_normalized_value(), 0.5f);
    p->normalize();
    EXPECT_EQ(p->get_normalized_value(), 1.0f);
    p->get_value_text(text);
    EXPECT_EQ(text, u"On");
    p->get_number_text(text);
    EXPECT_EQ(text, u"Yes");
    std::string narrow;
    p->set_value(false);
    p->get_number_text(narrow);
    EXPECT_EQ(narrow, "No");
}

TEST(Parameter_String, EditsCommitAtOnceOnTheEditorsThread) {
    ParameterBench bench;
    Orvo::WString target;
    auto* name = bench.add(new Tonekit::Parameter_String(u"(no name)"), "Name");
    name->set_target(&target);
    bench.initialize();
    Orvo::WString text;
    name->get_value_text(text);
    EXPECT_EQ(text, u"(no name)");
    name->set_value(u"A name longer than the inline capacity");
    EXPECT_EQ(target, u"A name longer than the inline capacity");
    EXPECT_FALSE(name->m_change_links[0].m_enlisted) << "the audio thread never copies text";
    EXPECT_FALSE(name->m_change_links[1].m_enlisted);

    Orvo::BiniNode wrong;
    wrong.set_value_int32(1);
    EXPECT_THROW(name->do_load(wrong), Orvo::Exception);
}

namespace {

P_GenericChoice* add_choice(ParameterBench& a_bench, std::initializer_list<std::uint32_t> a_ids) {
    auto* choice = a_bench.add(new P_GenericChoice, "Chce");
    choice->begin_options();
    for (std::uint32_t id : a_ids)
        choice->append_option(id, u"Option " + Orvo::WString(std::u16string(1, u'0' + id)));
    choice->end_options();
    return choice;
}

// Keeps its own value for the option with id 9, like a user-entered number would be.
class EditableChoice : public P_GenericChoice {
public:
    void do_load_editable_value(Orvo::BiniNode& a_node) override {
        m_user_value = a_node.get_value_int32();
    }
    void do_save_editable_value(Orvo::BiniNode& a_node) override {
        a_node.set_value_int32(m_user_value);
    }
    std::uint32_t translate_loaded_id(std::uint32_t a_id) override {
        return a_id == 100 ? 2 : a_id;
    }
    int m_user_value = 0;
};

} // namespace

TEST(P_GenericChoice, OptionsSitAtTheCentresOfTheirShares) {
    ParameterBench bench;
    P_GenericChoice* choice = add_choice(bench, {1, 2, 3, 4});
    bench.initialize();
    const float centres[] = {0.125f, 0.375f, 0.625f, 0.875f};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(choice->get_options()[i]->m_centre, centres[i]);
    EXPECT_EQ(choice->get_normalized_value(), 0.125f) << "no default: the first option";
    choice->set_normalized_value(1.0f);
    EXPECT_EQ(choice->get_current_id(), 4u);
    choice->set_normalized_value(0.25f);
    EXPECT_EQ(choice->get_current_id(), 2u);
    EXPECT_EQ(choice->get_normalized_value(), 0.25f) << "the editor's value stays as set";
    EXPECT_FALSE(choice->select(2));
    EXPECT_EQ(choice->get_normalized_value(), 0.375f);
    EXPECT_TRUE(choice->select(77)) << "an unknown id selects the first option";
    EXPECT_EQ(choice->get_current_id(), 1u);
}

TEST(P_GenericChoice, LoadingTranslatesIdsAndRefusesUnknownOnes) {
    ParameterBench bench;
    auto* choice = bench.add(new EditableChoice, "Edit");
    choice->begin_options();
    choice->append_option(1, u"One");
    choice->append_option(2, u"Two");
    choice->append_option(9, u"User value");
    choice->end_options();
    choice->set_editable_option(9);
    bench.initialize();

    Orvo::BiniNode saved;
    choice->m_user_value = 42;
    choice->select(9);
    choice->save(saved);
    choice->m_user_value = 0;
    choice->reset();
    Tonekit::LoadReport report;
    ASSERT_TRUE(choice->load(saved, report));
    EXPECT_EQ(choice->get_current_id(), 9u);
    EXPECT_EQ(choice->m_user_value, 42);

    Orvo::BiniNode old;
    old.add_child(Tonekit::Parameter::child_value)->set_value_uint32(100);
    EXPECT_TRUE(choice->load(old, report));
    EXPECT_EQ(choice->get_current_id(), 2u);

    Orvo::BiniNode unknown;
    unknown.add_child(Tonekit::Parameter::child_value)->set_value_uint32(5);
    EXPECT_FALSE(choice->load(unknown, report));
    EXPECT_EQ(choice->get_current_id(), 1u) << "reset to the default";

    Orvo::BiniNode without_user;
    without_user.add_child(Tonekit::Parameter::child_value)->set_value_uint32(9);
    choice->select(2);
    EXPECT_FALSE(choice->load(without_user, report));
    EXPECT_EQ(choice->get_current_id(), 1u);
    EXPECT_TRUE(report.is_empty());
}
