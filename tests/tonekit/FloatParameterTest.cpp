#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniException_InvalidValueType.h"
#include "orvo/Binis/BiniNode.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/Parameters/LoadReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace TonekitTest;
using Tonekit::ConversionType;
using Tonekit::FloatParameter;
using Tonekit::FloatParameterVariation;
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
    try {
        p->do_load(wrong);
        FAIL() << "an int32 value";
    } catch (const Orvo::BiniException_InvalidValueType& failure) {
        EXPECT_EQ(failure.get_message(), u"Node \"/\":\nExpected type float.");
    }
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
