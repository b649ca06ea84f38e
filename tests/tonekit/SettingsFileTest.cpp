// "Settings.data": written only when the user saves defaults, read at every start, and neither a
// bad file nor a failed save may cost the user anything.

#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/FileOutputStream.h"
#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace TonekitTest;
namespace fs = std::filesystem;

namespace {

std::string read_bytes(const fs::path& a_path) {
    std::ifstream in(a_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_bytes(const fs::path& a_path, const std::string& a_bytes) {
    std::ofstream(a_path, std::ios::binary) << a_bytes;
}

fs::path settings_file(const TemporaryFolder& a_folder) {
    return a_folder.path() / "Settings.data";
}

// The user's choices in the global settings, then saved.
void save_choices(RecordingDevice& a_device) {
    Tonekit::DeviceGlobalSettings& global = *a_device.get_global_settings();
    Tonekit::DeviceSettingsParameters& p = global.get_parameters();
    p.m_smoothing->set_option(2);               // Gui
    p.m_parameter_precision->set_option(1);     // Approximate
    p.m_smoothness->set_normalized_value(0.5f); // 100 ms
    p.m_retrigger_keys[3]->set_value(60);       // C4
    p.m_retrigger_channels[3]->set_option(5);   // channel 4
    global.save(a_device.get_settings_path());
}

void expect_defaults(RecordingDevice& a_device) {
    Tonekit::DeviceSettingsParameters& p = a_device.get_instance_settings()->get_parameters();
    EXPECT_EQ(p.m_smoothing->get_current_id(), 1u);
    EXPECT_EQ(p.m_parameter_precision->get_current_id(), 2u);
    EXPECT_EQ(p.m_smoothness->get_value(), 50.0f);
    EXPECT_EQ(p.m_retrigger_keys[3]->get_value(), 15);
    EXPECT_EQ(a_device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_ALL);
    EXPECT_EQ(a_device.m_retrigger_keys[3], 15);
}

} // namespace

TEST(SettingsFile, SavedDefaultsAreWhatTheNextInstanceStartsWith) {
    TemporaryFolder folder;
    {
        RecordingDevice first(folder.path());
        first.initialize();
        save_choices(first);
        EXPECT_EQ(first.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_ALL)
            << "saving defaults changes nothing in the running instance";
    }
    const std::string bytes = read_bytes(settings_file(folder));
    EXPECT_EQ(bytes.rfind("Test Device/Settings", 0), 0u) << "preamble first";

    RecordingDevice second(folder.path());
    second.initialize();
    Tonekit::DeviceSettingsParameters& p = second.get_instance_settings()->get_parameters();
    EXPECT_EQ(p.m_smoothing->get_current_id(), 2u);
    EXPECT_NEAR(p.m_smoothness->get_value(), 100.0f, 1e-3f);
    EXPECT_EQ(p.m_retrigger_keys[3]->get_value(), 60);
    // Loaded values act at once.
    EXPECT_EQ(second.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_GUI);
    EXPECT_EQ(second.m_parameter_exponential_precision, Tonekit::ExponentialPrecision_APPROXIMATE);
    EXPECT_NEAR(second.m_smoothing_step, 1000.0f / (100.0f * second.get_sample_rate()), 1e-9f);
    EXPECT_EQ(second.m_retrigger_keys[3], 60);
    EXPECT_EQ(second.m_retrigger_channels[3], 3);
    // The global settings hold the file's values too, for the next save.
    EXPECT_EQ(second.get_global_settings()->get_parameters().m_smoothing->get_current_id(), 2u);

    // Saving again gives the same bytes: nothing is lost on the way round.
    second.get_global_settings()->save(second.get_settings_path());
    EXPECT_EQ(read_bytes(settings_file(folder)), bytes);
}

TEST(SettingsFile, ForeignOrDamagedFilesAreIgnoredSilently) {
    TemporaryFolder folder;
    RecordingDevice writer(folder.path());
    writer.initialize();
    save_choices(writer);
    const std::string good = read_bytes(settings_file(folder));

    // The same tree under another plug-in's preamble.
    Orvo::BiniNode tree;
    writer.get_global_settings()->get_collection().save(tree);
    const fs::path foreign = folder.path() / "foreign";
    {
        Orvo::FileOutputStream out(Orvo::WString(foreign.u16string().c_str()));
        tree.save(out, "Other Device/Settings");
        out.close();
    }
    // Flipped bytes anywhere may or may not leave a readable tree; either way nothing breaks.
    std::string flipped = good;
    for (std::size_t i = 0; i < flipped.size(); i += 7)
        flipped[i] = char(flipped[i] ^ 0x5A);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"foreign preamble", read_bytes(foreign)},
        {"truncated", good.substr(0, good.size() / 2)},
        {"empty", ""},
        {"garbage", std::string(300, '\xA5')},
        {"preamble only", "Test Device/Settings"},
        {"damaged", flipped},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        write_bytes(settings_file(folder), bytes);
        RecordingDevice device(folder.path());
        ASSERT_NO_THROW(device.initialize());
        if (std::string(name) != "damaged")
            expect_defaults(device);
        EXPECT_EQ(read_bytes(settings_file(folder)), bytes) << "a bad file is left alone";
    }
}

TEST(SettingsFile, WhatTheFileLacksTakesItsDefaultAndAWrongTypeSpoilsTheFile) {
    TemporaryFolder folder;
    const auto write_tree = [&](bool a_wrong_type) {
        Orvo::BiniNode root;
        Orvo::BiniNode* list = root.add_child(1);
        list->add_child(Orvo::four_cc("RKI4"))
            ->add_child(Orvo::four_cc("Valu"))
            ->set_value_int32(60);
        if (a_wrong_type)
            list->add_child(Orvo::four_cc("PaSg"))
                ->add_child(Orvo::four_cc("Valu"))
                ->set_value_string(u"Gui");
        Orvo::FileOutputStream out(Orvo::WString(settings_file(folder).u16string().c_str()));
        root.save(out, "Test Device/Settings");
        out.close();
    };
    write_tree(false);
    {
        RecordingDevice device(folder.path());
        device.initialize();
        Tonekit::DeviceSettingsParameters& p = device.get_instance_settings()->get_parameters();
        EXPECT_EQ(p.m_retrigger_keys[3]->get_value(), 60) << "what the file has";
        EXPECT_EQ(p.m_smoothing->get_current_id(), 1u) << "what it lacks";
        EXPECT_EQ(p.m_smoothness->get_value(), 50.0f);
    }
    write_tree(true);
    RecordingDevice device(folder.path());
    ASSERT_NO_THROW(device.initialize());
    expect_defaults(device);
}
