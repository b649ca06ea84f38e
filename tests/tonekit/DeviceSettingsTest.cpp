// The settings' parameters, what the instance settings commit into the device, and the note names
// the retrigger keys show.

#include "ParameterTestSupport.h"

#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Devices/MidiNoteTable.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace TonekitTest;
using Tonekit::DeviceSettingsParameters;

namespace {

std::u16string text_of(Tonekit::Parameter& a_parameter) {
    Orvo::WString text;
    a_parameter.get_value_text(text);
    return std::u16string(text.view());
}

std::string id_text(std::uint32_t a_id) {
    std::string text;
    for (int i = 0; i < 4; ++i)
        text += char(a_id >> (8 * i) & 0xFF);
    return text;
}

struct Option {
    std::uint32_t m_id;
    std::u16string m_label;
    int m_value;
    bool operator==(const Option&) const = default;
};

template <class T>
std::vector<Option> options_of(Tonekit::Parameter* a_parameter) {
    auto* choice = dynamic_cast<Tonekit::P_TypedChoice<T>*>(a_parameter);
    EXPECT_TRUE(choice);
    std::vector<Option> options;
    if (!choice)
        return options;
    for (Tonekit::P_GenericChoice_Option* option : choice->get_options())
        options.push_back({option->m_id, std::u16string(option->m_label.view()),
                           int(static_cast<Tonekit::P_TypedChoice_Option<T>*>(option)->m_value)});
    return options;
}

class InitializedSettings : public ::testing::Test {
protected:
    void SetUp() override { device.initialize(); }
    DeviceSettingsParameters& instance() {
        return device.get_instance_settings()->get_parameters();
    }
    TemporaryFolder folder;
    RecordingDevice device{folder.path()};
};

} // namespace

TEST_F(InitializedSettings, BothCollectionsHoldTheSettingsInStoredOrder) {
    std::vector<std::string> expected_ids = {"MoPr", "MoVi", "PaPr", "PaSg", "PaSs"};
    std::vector<std::u16string> expected_names = {
        u"Modulation exponential precision", u"Modulation visualization",
        u"Parameter exponential precision", u"Parameter smoothing", u"Parameter smoothness"};
    for (char prefix : {'C', 'I'})
        for (int slot = 1; slot <= 8; ++slot) {
            expected_ids.push_back(std::string("RK") + prefix + char('0' + slot));
            expected_names.push_back((prefix == 'C' ? u"Retrigger channel " : u"Retrigger key ") +
                                     std::u16string(1, char16_t(u'0' + slot)));
        }
    for (Tonekit::ParameterCollection* collection :
         {&device.get_global_settings()->get_collection(),
          &device.get_instance_settings()->get_collection()}) {
        std::vector<std::string> ids;
        std::vector<std::u16string> names;
        for (Tonekit::Parameter* p : collection->get_parameters()) {
            ids.push_back(id_text(p->m_id));
            names.push_back(std::u16string(p->m_display_name.view()));
            // The first five act at once; the retrigger keys go through the pending changes.
            EXPECT_EQ(p->m_deferred_commit, ids.size() > 5) << ids.back();
        }
        EXPECT_EQ(ids, expected_ids);
        EXPECT_EQ(names, expected_names);
    }
}

TEST_F(InitializedSettings, ChoicesOfferTheirOptionsAndDefaults) {
    using Tonekit::ExponentialPrecision;
    DeviceSettingsParameters& settings = instance();
    const std::vector<Option> precision = {{1, u"Approximate", 0}, {2, u"Exact", 1}};
    EXPECT_EQ(options_of<ExponentialPrecision>(settings.m_modulation_precision), precision);
    EXPECT_EQ(options_of<ExponentialPrecision>(settings.m_parameter_precision), precision);
    EXPECT_EQ(
        options_of<Tonekit::Modvis>(settings.m_modulation_visualization),
        (std::vector<Option>{{1, u"All", 2}, {2, u"Below mouse cursor", 1}, {3, u"None", 0}}));
    EXPECT_EQ(
        options_of<Tonekit::ParameterSmoothingReason>(settings.m_smoothing),
        (std::vector<Option>{{1, u"All", 3}, {2, u"Gui", 1}, {3, u"Host", 2}, {4, u"None", 0}}));
    std::vector<Option> channels = {{1, u"Any", -1}};
    for (int channel = 1; channel <= 16; ++channel) {
        const std::string digits = std::to_string(channel);
        channels.push_back({std::uint32_t(channel + 1),
                            std::u16string(digits.begin(), digits.end()), channel - 1});
    }
    EXPECT_EQ(options_of<int>(settings.m_retrigger_channels[4]), channels);

    EXPECT_EQ(settings.m_modulation_precision->get_current_id(), 1u);
    EXPECT_EQ(settings.m_modulation_visualization->get_current_id(), 1u);
    EXPECT_EQ(settings.m_parameter_precision->get_current_id(), 2u);
    EXPECT_EQ(settings.m_smoothing->get_current_id(), 1u);
    for (unsigned slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(settings.m_retrigger_channels[slot]->get_current_id(), 1u);
        EXPECT_EQ(settings.m_retrigger_keys[slot]->get_value(), int(slot) + 12);
    }
}

TEST_F(InitializedSettings, SmoothnessIsAnExponentialMillisecondRangeThatNeverGlides) {
    Tonekit::FloatParameter* smoothness = instance().m_smoothness;
    EXPECT_EQ(smoothness->m_unit, Tonekit::Unit_MILLISECONDS);
    EXPECT_EQ(smoothness->m_conversion_type,
              Tonekit::ConversionType_MILLISECONDS_TO_INVERTED_FRAMES);
    EXPECT_EQ(smoothness->m_interval_start, 1.0f);
    EXPECT_EQ(smoothness->m_interval_end, 10000.0f);
    EXPECT_EQ(smoothness->m_exponential, 1u);
    EXPECT_EQ(smoothness->get_value(), 50.0f);
    EXPECT_EQ(smoothness->m_vector_size, 1u);
    EXPECT_FALSE(smoothness->m_smoothing_enabled);
    EXPECT_FALSE(smoothness->m_smoother);
    std::string number;
    smoothness->get_number_text(number);
    EXPECT_EQ(number, "50.0000");
}

TEST_F(InitializedSettings, InstanceSettingsCommitIntoTheDevice) {
    EXPECT_EQ(device.m_modulation_exponential_precision, Tonekit::ExponentialPrecision_APPROXIMATE);
    EXPECT_EQ(device.m_parameter_exponential_precision, Tonekit::ExponentialPrecision_EXACT);
    EXPECT_EQ(device.m_modulation_visualization, Tonekit::Modvis_ALL);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_ALL);
    EXPECT_FLOAT_EQ(device.m_smoothing_step, 1000.0f / (50.0f * device.get_sample_rate()));

    DeviceSettingsParameters& settings = instance();
    settings.m_modulation_precision->set_option(2);
    settings.m_modulation_visualization->set_option(2);
    settings.m_smoothing->set_option(3);
    EXPECT_EQ(device.m_modulation_exponential_precision, Tonekit::ExponentialPrecision_EXACT);
    EXPECT_EQ(device.m_modulation_visualization, Tonekit::Modvis_BELOW_MOUSE_CURSOR);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_HOST);

    // The retrigger keys wait for the audio thread's pending-change pass.
    settings.m_retrigger_channels[2]->set_option(11);
    settings.m_retrigger_keys[7]->set_value(60);
    EXPECT_EQ(device.m_retrigger_channels[2], -1);
    EXPECT_EQ(device.m_retrigger_keys[7], 19);
    Tonekit::ProcessRequest empty;
    device.process(empty);
    EXPECT_EQ(device.m_retrigger_channels[2], 9);
    EXPECT_EQ(device.m_retrigger_keys[7], 60);

    // The global settings act on nothing.
    DeviceSettingsParameters& global = device.get_global_settings()->get_parameters();
    global.m_smoothing->set_option(4);
    global.m_retrigger_keys[0]->set_value(-2);
    device.process(empty);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_HOST);
    EXPECT_EQ(device.m_retrigger_keys[0], 12);
}

TEST(RetriggerKeys, KeysShowNoneAnyOrTheNoteName) {
    ParameterBench bench;
    auto* key = bench.add(new Tonekit::P_RetriggeringKeyIndex(12), "RKI1");
    bench.initialize();
    EXPECT_EQ(text_of(*key), u"C0");
    const std::vector<std::pair<int, std::u16string>> expected = {
        {-2, u"None"}, {-1, u"Any"}, {0, u"C-1"}, {61, u"C#4"}, {127, u"G9"}};
    for (const auto& [value, text] : expected) {
        key->set_value(value);
        EXPECT_EQ(text_of(*key), text) << value;
    }
    key->set_value(500);
    EXPECT_EQ(key->get_value(), 127);
    key->set_normalized_value(0.0f);
    EXPECT_EQ(text_of(*key), u"None");
}

TEST(MidiNoteTable, NamesUseSharpsAndOctavesFromMinusOne) {
    const Tonekit::MidiNoteTable& table = Tonekit::MidiNoteTable::get();
    const std::vector<std::pair<unsigned, std::u16string>> names = {
        {0, u"C-1"}, {1, u"C#-1"}, {2, u"D-1"}, {11, u"B-1"}, {12, u"C0"},
        {60, u"C4"}, {61, u"C#4"}, {69, u"A4"}, {70, u"A#4"}, {127, u"G9"}};
    for (const auto& [note, name] : names)
        EXPECT_EQ(std::u16string(table.row(note).m_name), name) << note;
    EXPECT_EQ(table.row(0).m_octave, -1);
    EXPECT_EQ(table.row(60).m_octave, 4);
    EXPECT_EQ(table.row(127).m_octave, 9);
    EXPECT_DOUBLE_EQ(table.row(69).m_frequency, 440.0);
    EXPECT_DOUBLE_EQ(table.row(57).m_frequency, 220.0);
    EXPECT_NEAR(table.row(60).m_frequency, 261.6255653, 1e-6);
    EXPECT_NEAR(table.row(0).m_frequency, 8.1757989, 1e-6);
    EXPECT_EQ(failure_message([&] { table.row(128); }), u"a_note < note_count");
}
