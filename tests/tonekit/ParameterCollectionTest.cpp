#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "orvo/Streams/MemoryOutputStream.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_Boolean.h"
#include "tonekit/ParameterTypes/P_Integer.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"
#include "tonekit/ParameterTypes/Parameter_String.h"
#include "tonekit/Parameters/CommittableCallback.h"
#include "tonekit/Parameters/LoadReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace TonekitTest;
using Tonekit::FloatParameter;
using Tonekit::FloatParameterVariation;

namespace {

constexpr std::uint32_t id(const char (&a_text)[5]) {
    return Orvo::four_cc(a_text);
}

// One parameter of every kind, as a device would declare them.
struct KindsBench : ParameterBench {
    explicit KindsBench(bool a_with_newer = false) {
        using V = FloatParameterVariation;
        m_float = add(new FloatParameter, "Gain");
        V::create(m_float, 1, u"Without inversion", Tonekit::Unit_NONE, 0.0f, 1.0f, 1.0f, false,
                  Tonekit::ConversionType_IDENTITY, V::Polarity_POSITIVE_UNIPOLAR, true);
        V::create(m_float, 2, u"Bipolar", Tonekit::Unit_NONE, -1.0f, 1.0f, 1.0f, false,
                  Tonekit::ConversionType_IDENTITY, V::Polarity_BIPOLAR, false);
        m_choice = add(new Tonekit::P_TypedChoice<int>, "Mode");
        m_choice->begin_options();
        m_choice->append_option(1, u"Two", 2);
        m_choice->append_option(2, u"Eight", 8);
        m_choice->end_options();
        m_choice->set_default_value(8);
        m_integer = add(new Tonekit::P_Integer(-2, 127, 12), "Key ");
        m_boolean = add(new Tonekit::P_Boolean(true), "Ena1");
        m_string = add(new Tonekit::Parameter_String(u"(no name)"), "Name");
        m_internal = add(new FloatParameter, "Pitc");
        m_internal->set_units(Tonekit::Unit_NONE, Tonekit::Unit_NONE);
        m_internal->bind_internal_lanes(m_lanes);
        if (a_with_newer) {
            m_newer = add(new Tonekit::P_Integer(0, 10, 5), "Newr");
            m_newer->m_minimum_plugin_internal_version = 2;
        }
        initialize();
    }
    void change_everything() {
        m_float->change_variation(m_float->find_variation(2));
        m_float->set_normalized_value(0.25f);
        m_choice->set_option(1);
        m_integer->set_value(-1);
        m_boolean->set_value(false);
        m_string->set_value(u"Chorus of many voices");
        m_internal->set_normalized_value(0.75f);
        if (m_newer)
            m_newer->set_value(9);
    }

    alignas(16) float m_lanes[16] = {};
    FloatParameter* m_float;
    Tonekit::P_TypedChoice<int>* m_choice;
    Tonekit::P_Integer* m_integer;
    Tonekit::P_Boolean* m_boolean;
    Tonekit::Parameter_String* m_string;
    FloatParameter* m_internal;
    Tonekit::P_Integer* m_newer = nullptr;
};

// Through the bytes of the file format, so that what loads is what a file would hold.
void write_and_read(const Orvo::BiniNode& a_saved, Orvo::BiniNode& a_loaded) {
    std::vector<unsigned char> bytes(4096);
    Orvo::MemoryOutputStream output(bytes.data(), bytes.size());
    a_saved.save(output, "Test/Preset");
    Orvo::MemoryInputStream input(bytes.data(), output.get_written());
    a_loaded.load(input, "Test/Preset");
}

} // namespace

TEST(ParameterCollection, EveryKindSurvivesSaveAndLoad) {
    KindsBench source;
    source.m_float->m_automatable = true;
    source.change_everything();
    Orvo::BiniNode saved;
    source.m_collection.save(saved);

    const Orvo::BiniNode* list = saved.get_child(1);
    EXPECT_EQ(list->get_children().size(), 5u) << "the internal parameter is not saved";
    const Orvo::BiniNode* gain = list->get_child(id("Gain"));
    EXPECT_EQ(gain->get_child(id("Vari"))->get_value_uint32(), 2u);
    EXPECT_EQ(gain->get_child(id("Norm"))->get_value_float(), 0.25f);
    EXPECT_EQ(list->get_child(id("Key "))->find_child(id("Norm")), nullptr)
        << "only automatable parameters store the normalized value";
    EXPECT_EQ(list->get_child(id("Key "))->find_child(id("Vari")), nullptr);

    KindsBench target;
    target.m_float->m_automatable = true;
    Orvo::BiniNode loaded;
    write_and_read(saved, loaded);
    Tonekit::LoadReport report;
    EXPECT_TRUE(target.m_collection.load(loaded, 1, report));
    EXPECT_TRUE(report.is_empty());
    EXPECT_EQ(target.m_float->get_current_variation()->m_id, 2u);
    EXPECT_EQ(target.m_float->get_value(), -0.5f);
    EXPECT_EQ(target.m_float->get_normalized_value(), 0.25f);
    EXPECT_EQ(target.m_choice->get_value(), 2);
    EXPECT_EQ(target.m_integer->get_value(), -1);
    EXPECT_FALSE(target.m_boolean->get_value());
    EXPECT_EQ(target.m_string->get_value(), u"Chorus of many voices");
    EXPECT_EQ(target.m_internal->get_value(), 0.0f) << "not persistent: untouched";
}

TEST(ParameterCollection, LoadReportsProblemsAndGoesOn) {
    KindsBench bench;
    bench.m_float->m_automatable = true;
    bench.m_choice->m_automatable = true;
    bench.m_boolean->m_automatable = true;
    Orvo::BiniNode saved;
    bench.change_everything();
    bench.m_collection.save(saved);
    Orvo::BiniNode* list = saved.get_child(1);
    // "Gain" loses its value; "Mode" has a normalized value of the wrong type; "Ena1" one out of
    // range; an unknown variation falls back to the default one.
    Orvo::BiniNode* gain = list->get_child(id("Gain"));
    gain->clear();
    gain->add_child(id("Vari"))->set_value_uint32(2);
    list->get_child(id("Mode"))->get_child(id("Norm"))->set_value_int32(1);
    list->get_child(id("Ena1"))->get_child(id("Norm"))->set_value_float(std::nanf(""));

    KindsBench target;
    target.m_float->m_automatable = true;
    target.m_choice->m_automatable = true;
    target.m_boolean->m_automatable = true;
    target.m_float->set_normalized_value(0.1f);
    Tonekit::LoadReport report;
    EXPECT_FALSE(target.m_collection.load(saved, 1, report));
    const auto& entries = report.get_entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].m_message, u"No child node with id Valu.");
    EXPECT_EQ(entries[0].m_node_path, u"/1/Gain");
    EXPECT_EQ(entries[0].m_object, target.m_float);
    EXPECT_EQ(entries[1].m_message, u"Invalid value type.");
    EXPECT_EQ(entries[1].m_node_path, u"/1/Mode/Norm");
    EXPECT_EQ(entries[1].m_object, target.m_choice);
    EXPECT_EQ(entries[2].m_message, u"Invalid value.");
    EXPECT_EQ(entries[2].m_object, target.m_boolean);

    EXPECT_EQ(target.m_float->get_value(), 1.0f) << "a failed load resets";
    EXPECT_EQ(target.m_choice->get_value(), 2) << "a bad normalized value does not fail the load";
    EXPECT_EQ(target.m_choice->get_normalized_value(), 0.25f);
    EXPECT_EQ(target.m_boolean->get_normalized_value(), 0.0f);
    EXPECT_EQ(target.m_string->get_value(), u"Chorus of many voices");
}
