// The preset tree: what the scan lists, in which order, within which limits, and how paths map
// to records.

#include "PresetTestSupport.h"

#include "tonekit/Devices/PresetFolder.h"
#include "tonekit/Devices/PresetRecord.h"
#include "tonekit/Devices/PresetScanner.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace TonekitTest;
using Tonekit::PresetFolder;
using Tonekit::PresetManager;
using Tonekit::PresetRecord;

namespace {

class PresetListTest : public ::testing::Test {
protected:
    PresetListTest() : m_presets(m_folder.path() / "Presets") {
        std::filesystem::create_directories(m_presets);
    }

    void touch(const std::string& a_relative) { write_file_bytes(m_presets / a_relative, {}); }

    // A device over the folder as it is now; a_limits adjust the configuration first.
    PresetManager& start(int a_depth_limit = 10, int a_entry_limit = 10000) {
        m_device = std::make_unique<PresetTestDevice>(m_folder.path());
        m_device->config().m_preset_scan_depth_limit = a_depth_limit;
        m_device->config().m_preset_scan_entry_limit = a_entry_limit;
        m_device->initialize();
        return m_device->presets();
    }

    // "folder/name index" for every record, in list order.
    std::vector<std::string> listing(const PresetManager& a_manager) const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < a_manager.get_preset_count(); ++i) {
            const PresetRecord* record = a_manager.get_preset(i);
            std::string line;
            for (const Orvo::WString& part : record->get_relative_components())
                line += (line.empty() ? "" : "/") + Orvo::to_utf8(part.view());
            lines.push_back(line + " " + std::to_string(record->get_index()));
        }
        return lines;
    }

    Orvo::WString path_of(const std::string& a_relative) const {
        return wide(m_presets / a_relative);
    }

    TemporaryFolder m_folder;
    std::filesystem::path m_presets;
    std::unique_ptr<PresetTestDevice> m_device;
};

} // namespace

TEST(PresetNames, FoldOnlyAsciiLettersAndPutPrefixesFirst) {
    EXPECT_EQ(PresetFolder::compare_names(u"Chorus", u"chorus"), 0);
    EXPECT_LT(PresetFolder::compare_names(u"ab", u"abc"), 0);
    EXPECT_GT(PresetFolder::compare_names(u"abc", u"AB"), 0);
    // "_" lies between the capitals and the small letters: folding puts it before "B".
    EXPECT_LT(PresetFolder::compare_names(u"_x", u"B"), 0);
    // "[" follows "Z" in code units but precedes "z", which is what "Z" compares as.
    EXPECT_LT(PresetFolder::compare_names(u"[", u"Z"), 0);
    EXPECT_NE(PresetFolder::compare_names(u"\u00C9", u"\u00E9"), 0) << "no folding beyond Z";
    EXPECT_EQ(PresetFolder::compare_names(u"", u""), 0);
    EXPECT_LT(PresetFolder::compare_names(u"", u"a"), 0);
}

TEST_F(PresetListTest, SubfoldersComeBeforeAFoldersOwnPresets) {
    touch("A/x.preset");
    touch("b.preset");
    PresetManager& manager = start();
    EXPECT_EQ(listing(manager), (std::vector<std::string>{"A/x 0", "b 1"}));
    EXPECT_EQ(manager.get_scan_status(), 0u);
}

TEST_F(PresetListTest, LinkBackToAnOpenFolderIsPassedOver) {
    touch("A/x.preset");
    std::filesystem::create_directory_symlink(m_presets, m_presets / "A" / "loop");
    std::filesystem::create_directory_symlink(m_presets / "A", m_presets / "Z");
    PresetManager& manager = start();
    EXPECT_EQ(manager.get_scan_status(), 0u);
    // Z is a second way to A, not a loop: it is listed like a folder.
    EXPECT_EQ(listing(manager), (std::vector<std::string>{"A/x 0", "Z/x 1"}));
}

TEST_F(PresetListTest, DepthLimitCountsThePresetFolderAsLevelOne) {
    touch("1/2/deep.preset");
    EXPECT_EQ(listing(start(3)), (std::vector<std::string>{"1/2/deep 0"}));
    PresetManager& limited = start(2);
    EXPECT_EQ(limited.get_scan_status(), 2u);
    EXPECT_EQ(limited.get_preset_count(), 0u);
    EXPECT_TRUE(limited.get_root_folder().is_empty());
}

TEST_F(PresetListTest, EntryLimitCountsEveryEntry) {
    touch("a.preset");
    touch("b.txt");
    touch("F/c.preset");
    // Four entries: a.preset, b.txt, F, F/c.preset.
    EXPECT_EQ(start(10, 4).get_scan_status(), 0u);
    PresetManager& limited = start(10, 3);
    EXPECT_EQ(limited.get_scan_status(), 3u);
    EXPECT_EQ(limited.get_preset_count(), 0u);
}

TEST_F(PresetListTest, MissingOrFilePresetFolderHasStatusOne) {
    std::filesystem::remove_all(m_presets);
    m_device = std::make_unique<PresetTestDevice>(m_folder.path());
    m_device->initialize();
    std::filesystem::remove_all(m_presets);
    m_device->presets().refresh();
    EXPECT_EQ(m_device->presets().get_scan_status(), 1u);
    write_file_bytes(m_presets, {});
    ASSERT_TRUE(std::filesystem::is_regular_file(m_presets));
    m_device->presets().refresh();
    EXPECT_EQ(m_device->presets().get_scan_status(), 1u);
}

TEST_F(PresetListTest, CurrentFromPathFindsRecordsOnlyInsideThePresetFolder) {
    touch("Pads/soft.preset");
    PresetManager& manager = start();
    PresetSignalCounter signals(manager);

    // The folder part compares like names, and doubled separators do not matter.
    Orvo::WString folded = path_of("PADS//Soft.PRESET");
    manager.set_current_from_path(folded);
    EXPECT_EQ(manager.get_current_preset(), manager.get_preset(0));
    EXPECT_EQ(manager.get_current_preset_name(), u"soft");
    EXPECT_EQ(manager.get_current_preset_path(), folded);

    manager.set_current_from_path(u"/somewhere/else/Pads/soft.preset");
    EXPECT_EQ(manager.get_current_preset(), nullptr);
    EXPECT_EQ(manager.get_current_preset_name(), u"soft");

    // Another file of the same name is not the preset.
    manager.set_current_from_path(path_of("Pads/soft.txt"));
    EXPECT_EQ(manager.get_current_preset(), nullptr);
    EXPECT_EQ(manager.get_current_preset_name(), u"soft");

    // A folder whose name only begins like the preset folder is outside it.
    manager.set_current_from_path(wide(m_folder.path() / "Presets2" / "Pads" / "soft.preset"));
    EXPECT_EQ(manager.get_current_preset(), nullptr);

    manager.set_current_from_path(u"");
    EXPECT_EQ(manager.get_current_preset_name(), u"");
    EXPECT_EQ(signals.m_information, 5);
    EXPECT_EQ(signals.m_loaded, 0);
}
