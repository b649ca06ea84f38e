// Preset files on disk: the initial preset, loading files and records, and saving that never
// destroys what was there.

#include "PresetTestSupport.h"

#include "tonekit/Devices/PresetRecord.h"

#include <gtest/gtest.h>

using namespace TonekitTest;
using Tonekit::PresetManager;

namespace {

class PresetFileTest : public ::testing::Test {
protected:
    PresetFileTest() : m_presets(m_folder.path() / "Presets") {}

    // The bytes of a preset file whose gain is a_gain, made by another device.
    Bytes preset_with_gain(float a_gain) {
        TemporaryFolder other;
        PresetTestDevice writer(other.path());
        writer.initialize();
        writer.set_gain(a_gain);
        return writer.save_bytes(PresetManager::Section_PRESET_FILE);
    }

    PresetTestDevice& start() {
        m_device = std::make_unique<PresetTestDevice>(m_folder.path());
        m_device->initialize();
        return *m_device;
    }

    std::vector<std::string> folder_entries(const std::filesystem::path& a_folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(a_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TemporaryFolder m_folder;
    std::filesystem::path m_presets;
    std::unique_ptr<PresetTestDevice> m_device;
};

} // namespace

TEST_F(PresetFileTest, DamagedInitialPresetDoesNotStopTheDevice) {
    Bytes damaged = preset_with_gain(0.625f);
    damaged.resize(damaged.size() / 2);
    write_file_bytes(m_presets / "Initial.preset", damaged);
    PresetTestDevice& device = start();
    EXPECT_EQ(device.get_lifecycle_state(), 2);
    EXPECT_EQ(device.m_gain_value, 0.25f);
    EXPECT_EQ(device.presets().get_initial_preset_error(),
              u"An error occurred while loading the preset.");
    EXPECT_EQ(device.presets().get_current_preset_name(), u"Initial");
}

TEST_F(PresetFileTest, SavedFileHoldsThePresetSectionsAndLoadsBack) {
    PresetTestDevice& device = start();
    device.set_gain(0.625f);
    device.set_setting(0.5f);
    const std::filesystem::path target = m_presets / "mine.preset";
    device.presets().save_file(wide(target));
    EXPECT_EQ(read_file_bytes(target), device.save_bytes(PresetManager::Section_PRESET_FILE));
    EXPECT_EQ(folder_entries(m_presets), (std::vector<std::string>{"mine.preset"}));
    device.set_gain(0.125f);
    device.presets().load_file(wide(target));
    EXPECT_EQ(device.m_gain_value, 0.625f);
}

TEST_F(PresetFileTest, SavingRecreatesMissingFoldersInsideThePresetFolderOnly) {
    PresetTestDevice& device = start();
    std::filesystem::remove_all(m_presets);
    const std::filesystem::path nested = m_presets / "New" / "Deeper" / "x.preset";
    device.presets().save_file(wide(nested));
    EXPECT_TRUE(std::filesystem::is_regular_file(nested));

    const std::filesystem::path outside = m_folder.path() / "elsewhere" / "x.preset";
    const Orvo::Exception failure = failure_of([&] { device.presets().save_file(wide(outside)); });
    EXPECT_EQ(failure.get_message(), u"An error occurred while saving the preset.");
    EXPECT_FALSE(std::filesystem::exists(outside.parent_path()));
}

TEST_F(PresetFileTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
    PresetTestDevice& device = start();
    const std::filesystem::path target = m_presets / "keep.preset";
    const Bytes old_bytes = preset_with_gain(0.75f);
    write_file_bytes(target, old_bytes);

    device.m_fail_program_save = true;
    const Orvo::Exception failure = failure_of([&] { device.presets().save_file(wide(target)); });
    EXPECT_EQ(failure.get_message(), u"An error occurred while saving the preset.");
    ASSERT_NE(failure.get_inner(), nullptr);
    EXPECT_EQ(failure.get_inner()->get_message(), u"program data refused");
    EXPECT_EQ(read_file_bytes(target), old_bytes);
    EXPECT_EQ(folder_entries(m_presets), (std::vector<std::string>{"keep.preset"}));

    device.m_fail_program_save = false;
    device.presets().save_file(wide(target));
    EXPECT_EQ(read_file_bytes(target), device.save_bytes(PresetManager::Section_PRESET_FILE));
}
