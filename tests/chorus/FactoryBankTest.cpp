// The factory bank as a musician meets it: installed on a fresh account and found under
// "Factory", never written over a user's folder, and every preset loading cleanly, saving back
// to its own bytes and rendering the demo chord without clipping or a jump in loudness.

#include "../host/ProcessRunner.h"
#include "../host/TestAudio.h"

#include "chorus/FactoryBank.h"
#include "chorus/TheEffect.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Core/Utf.h"
#include "orvo/Core/Vector.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/Parameters/Parameter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> read_bytes(const fs::path& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool holds_embedded(const tolvanchorus::FactoryPresetFile& a_preset, const fs::path& a_folder) {
    return read_bytes(a_folder / a_preset.m_file_name) ==
           std::vector<unsigned char>(a_preset.m_bytes, a_preset.m_bytes + a_preset.m_size);
}

std::size_t entry_count(const fs::path& a_folder) {
    return std::size_t(std::distance(fs::directory_iterator(a_folder), fs::directory_iterator()));
}

std::string name_of(const tolvanchorus::FactoryPresetFile& a_preset) {
    return fs::path(a_preset.m_file_name).stem().string();
}

// A chorus started with its data in a_home.
std::unique_ptr<tolvanchorus::TheEffect> start_chorus(const fs::path& a_home) {
    setenv("XDG_DATA_HOME", a_home.c_str(), 1);
    auto chorus = std::make_unique<tolvanchorus::TheEffect>();
    chorus->initialize();
    chorus->setSampleRate(48000.0f);
    return chorus;
}

fs::path factory_folder(const tolvanchorus::TheEffect& a_chorus) {
    return fs::path(Orvo::to_utf8(a_chorus.get_preset_manager()->get_preset_folder().view())) /
           tolvanchorus::factory_folder_name;
}

TEST(FactoryBank, AFreshAccountFindsTheWholeBankUnderFactory) {
    hosttest::TempFolder home;
    auto chorus = start_chorus(home.path());
    ASSERT_GE(tolvanchorus::factory_bank().size(), 12u);
    const fs::path factory = factory_folder(*chorus);
    EXPECT_EQ(entry_count(factory), tolvanchorus::factory_bank().size());
    for (const auto& preset : tolvanchorus::factory_bank()) {
        EXPECT_TRUE(holds_embedded(preset, factory)) << preset.m_file_name;
        Orvo::Vector<Orvo::WString> components;
        components.push_back(u"Factory");
        components.push_back(Orvo::to_utf16(name_of(preset)));
        EXPECT_NE(chorus->get_preset_manager()->find(components), nullptr) << preset.m_file_name;
    }
    chorus->close();
}

TEST(FactoryBank, AnExistingFactoryFolderIsTheUsersAndStaysAsItIs) {
    hosttest::TempFolder presets;
    const fs::path factory = presets.path() / tolvanchorus::factory_folder_name;
    fs::create_directories(factory);
    const auto& first = tolvanchorus::factory_bank()[0];
    std::ofstream(factory / first.m_file_name) << "the user's own";
    std::string error;
    EXPECT_EQ(tolvanchorus::install_factory_bank(presets.path(), error),
              tolvanchorus::FactoryBankInstall::already_there);
    EXPECT_EQ(entry_count(factory), 1u);
    EXPECT_EQ(read_bytes(factory / first.m_file_name).size(), 14u);
    EXPECT_EQ(entry_count(presets.path()), 1u) << "no staging folder left behind";
}

TEST(FactoryBank, AFolderThatCannotBeWrittenFailsWithAReasonAndLeavesNothing) {
    hosttest::TempFolder home;
    const fs::path not_a_folder = home.path() / "Presets";
    std::ofstream(not_a_folder) << "a file where the preset folder should be";
    std::string error;
    EXPECT_EQ(tolvanchorus::install_factory_bank(not_a_folder, error),
              tolvanchorus::FactoryBankInstall::failed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(entry_count(home.path()), 1u);
}

TEST(FactoryBank, TheHostInstallsOnDemandThroughThePlugin) {
    hosttest::TempFolder home;
    const auto result = hosttest::run_host({"presets", "install", TOLVAN_PLUGIN_PATH},
                                           {{"XDG_DATA_HOME", home.path("")}});
    ASSERT_EQ(result.m_exit_code, 0) << result.m_err;
    EXPECT_EQ(result.m_out, "factory presets installed\n");
    const fs::path factory =
        home.path() / "Tolvan Plugins" / "Tolvan Chorus" / "Presets" / "Factory";
    EXPECT_EQ(entry_count(factory), tolvanchorus::factory_bank().size());
    // A plug-in of the framework without a bank answers the call with 0.
    const auto refused = hosttest::run_host({"presets", "install", TEST_PRESET_PLUGIN},
                                            {{"XDG_DATA_HOME", home.path("")}});
    EXPECT_EQ(refused.m_exit_code, 1);
    EXPECT_NE(refused.m_err.find("could not install its factory presets"), std::string::npos);
}

// The dry path alone, as a preset: what every preset is measured against.
void write_dry_preset(const fs::path& a_home, const std::string& a_path) {
    auto chorus = start_chorus(a_home);
    auto& collection = chorus->get_program()->get_collection();
    collection.find(Orvo::four_cc("Dry "))->set_normalized_value(1.0f);
    collection.find(Orvo::four_cc("Wet "))->set_normalized_value(0.0f);
    {
        std::lock_guard lock(chorus->processing_lock());
        chorus->commit_all_parameters();
    }
    chorus->get_preset_manager()->save_file(Orvo::to_utf16(a_path));
    chorus->close();
}

struct Level {
    float m_peak = 0.0f;
    double m_rms = 0.0;
};

// The demo chord at 120 BPM, playing, with a note on the first retrigger key half-way.
Level render(const hosttest::TempFolder& a_home, const std::string& a_preset) {
    const std::string out = a_home.path("render.wav");
    const auto result =
        hosttest::run_host({"render", TOLVAN_PLUGIN_PATH, "--out", out, "--tempo", "120", "--play",
                            "--note", "96000:12:100:4800", "--load-preset", a_preset, "--quiet"},
                           {{"XDG_DATA_HOME", a_home.path("")}});
    EXPECT_EQ(result.m_exit_code, 0) << result.m_err;
    const hosttest::Audio audio = hosttest::read_audio(out);
    Level level;
    double sum = 0.0;
    for (const float sample : audio.m_samples) {
        level.m_peak = std::max(level.m_peak, std::fabs(sample));
        sum += double(sample) * sample;
    }
    level.m_rms = std::sqrt(sum / double(std::max<std::size_t>(audio.m_samples.size(), 1)));
    return level;
}

double decibels(double a_value) {
    return 20.0 * std::log10(a_value);
}

TEST(FactoryBank, EveryPresetLoadsSavesBackAndStaysInLevel) {
    hosttest::TempFolder home;
    const std::string dry_preset = home.path("dry.preset");
    write_dry_preset(home.path(), dry_preset);
    const Level dry = render(home, dry_preset);
    ASSERT_GT(dry.m_rms, 0.01);

    auto chorus = start_chorus(home.path());
    const fs::path factory = factory_folder(*chorus);
    for (const auto& preset : tolvanchorus::factory_bank()) {
        SCOPED_TRACE(preset.m_file_name);
        const fs::path path = factory / preset.m_file_name;
        Tonekit::PresetManager& manager = *chorus->get_preset_manager();
        ASSERT_NO_THROW(manager.load_file(Orvo::to_utf16(path.string())));
        EXPECT_TRUE(manager.get_last_load_report().is_empty());
        Orvo::ExpandingOutputStream output(4096);
        manager.save(output, Tonekit::PresetManager::Section_PRESET_FILE);
        std::vector<unsigned char> saved(std::size_t(output.get_size()));
        output.copy_to(saved.data());
        EXPECT_EQ(saved,
                  std::vector<unsigned char>(preset.m_bytes, preset.m_bytes + preset.m_size));

        const Level level = render(home, path.string());
        const double peak_db = decibels(level.m_peak);
        const double loudness_db = decibels(level.m_rms) - decibels(dry.m_rms);
        std::printf("%-30s peak %6.2f dBFS, loudness %+5.2f dB against dry\n",
                    name_of(preset).c_str(), peak_db, loudness_db);
        EXPECT_LT(peak_db, -1.0);
        EXPECT_LT(std::fabs(loudness_db), 6.0);
    }
    chorus->close();
}

} // namespace
