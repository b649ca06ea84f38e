// The file dialogs' model over a temporary folder: listing, filters, navigation, the default
// extension, the overwrite question and folders that cannot be read.

#include "vexa/Dialogs/FileDialogModel.h"
#include "orvo/Core/Utf.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace Vexa;

namespace {

class FileDialogModelTest : public testing::Test {
protected:
    FileDialogModelTest() {
        for (const char* folder : {"b", "A", ".hidden", "Pads"})
            std::filesystem::create_directory(m_folder.path() / folder);
        for (const char* file : {"x.preset", "Y.PRESET", "a.txt", "notes", ".dot.preset",
                                 "c.preset", "Pads/Warm.preset"})
            std::ofstream(m_folder.path() / file) << "data";
        mkfifo((m_folder.path() / "pipe.preset").c_str(), 0600);
    }

    FileDialogModel model(FileDialogMode a_mode, std::u16string_view a_patterns = u"*.preset",
                          std::u16string_view a_extension = u"preset") {
        Orvo::Vector<FileDialogFilter> filters;
        filters.push_back(FileDialogFilter(u"Chosen", a_patterns));
        filters.push_back(FileDialogFilter(u"All files (*.*)", u"*.*"));
        FileDialogModel result(a_mode, std::move(filters), 0, Orvo::WString(a_extension));
        result.start_at(path());
        return result;
    }

    Orvo::WString path(const std::string& a_relative = "") const {
        const std::string base = m_folder.path().string();
        return Orvo::to_utf16(a_relative.empty() ? base : base + "/" + a_relative);
    }

    static std::string listing(const FileDialogModel& a_model) {
        std::string text;
        for (const FileDialogModel::Entry& entry : a_model.get_entries())
            text += (text.empty() ? "" : " ") + Orvo::to_utf8(entry.name.view()) +
                    (entry.is_folder ? "/" : "");
        return text;
    }

    TestSupport::TemporaryFolder m_folder;
};

TEST_F(FileDialogModelTest, ListsFoldersFirstThenTheFilesTheFilterMatches) {
    const std::pair<std::u16string_view, const char*> cases[] = {
        {u"*.preset", "A/ b/ Pads/ c.preset x.preset Y.PRESET"},
        {u"*.*", "A/ b/ Pads/ a.txt c.preset notes x.preset Y.PRESET"},
        {u" *.TXT ; x.*", "A/ b/ Pads/ a.txt x.preset"},
        {u"n?t*;*.t?t", "A/ b/ Pads/ a.txt notes"},
        {u"*s*t", "A/ b/ Pads/ c.preset x.preset Y.PRESET"},
    };
    for (const auto& [patterns, expected] : cases)
        EXPECT_EQ(listing(model(FileDialogMode_OPEN, patterns)), expected)
            << Orvo::to_utf8(patterns);

    FileDialogModel dialog = model(FileDialogMode_OPEN);
    dialog.select_filter(1);
    EXPECT_EQ(listing(dialog), "A/ b/ Pads/ a.txt c.preset notes x.preset Y.PRESET");
    EXPECT_EQ(dialog.find_entry_starting_with(u"p"), 2u);
    dialog.select_entry(2);
    EXPECT_EQ(dialog.find_entry_starting_with(u"X"), 6u);
    EXPECT_EQ(dialog.find_entry_starting_with(u"q"), std::nullopt);
}

TEST_F(FileDialogModelTest, WalksIntoFoldersAndBackUp) {
    FileDialogModel dialog = model(FileDialogMode_OPEN);
    EXPECT_EQ(dialog.open_entry(2), FileDialogStep_FOLDER_SHOWN);
    EXPECT_EQ(dialog.get_folder(), path("Pads"));
    EXPECT_EQ(listing(dialog), "Warm.preset");
    EXPECT_EQ(dialog.open_entry(0), FileDialogStep_CHOSEN);
    EXPECT_EQ(dialog.get_chosen_path(), path("Pads/Warm.preset"));
    EXPECT_EQ(dialog.show_parent(), FileDialogStep_FOLDER_SHOWN);
    EXPECT_EQ(dialog.get_folder(), path());

    // The suggested path of a preset folder that was never made.
    dialog.start_at(path("Missing/Deeper/No name"));
    EXPECT_EQ(dialog.get_folder(), path());
    EXPECT_EQ(dialog.get_file_name(), u"No name");
}

TEST_F(FileDialogModelTest, ConfirmingANameChoosesAsksOrExplains) {
    struct {
        FileDialogMode mode;
        std::u16string_view typed;
        FileDialogStep step;
        const char* chosen;
    } const cases[] = {
        {FileDialogMode_SAVE, u"New", FileDialogStep_CHOSEN, "New.preset"},
        {FileDialogMode_SAVE, u"New.txt", FileDialogStep_CHOSEN, "New.txt"},
        {FileDialogMode_SAVE, u"Warm.", FileDialogStep_CHOSEN, "Warm.preset"},
        {FileDialogMode_SAVE, u"Pads/Cold", FileDialogStep_CHOSEN, "Pads/Cold.preset"},
        {FileDialogMode_SAVE, u"x", FileDialogStep_ASK_OVERWRITE, nullptr},
        {FileDialogMode_SAVE, u"pipe", FileDialogStep_ERROR, nullptr},
        {FileDialogMode_SAVE, u"Nowhere/x", FileDialogStep_ERROR, nullptr},
        {FileDialogMode_SAVE, u"Pads", FileDialogStep_FOLDER_SHOWN, nullptr},
        {FileDialogMode_SAVE, u"Drums/", FileDialogStep_ERROR, nullptr},
        {FileDialogMode_OPEN, u"x.preset", FileDialogStep_CHOSEN, "x.preset"},
        {FileDialogMode_OPEN, u"c", FileDialogStep_CHOSEN, "c.preset"},
        {FileDialogMode_OPEN, u"gone.preset", FileDialogStep_ERROR, nullptr},
        {FileDialogMode_OPEN, u"pipe.preset", FileDialogStep_ERROR, nullptr},
    };
    for (const auto& c : cases) {
        FileDialogModel dialog = model(c.mode);
        dialog.set_file_name(c.typed);
        EXPECT_EQ(dialog.confirm(), c.step) << Orvo::to_utf8(c.typed);
        EXPECT_EQ(dialog.get_chosen_path(), c.chosen ? path(c.chosen) : Orvo::WString())
            << Orvo::to_utf8(c.typed);
    }

    FileDialogModel dialog = model(FileDialogMode_SAVE);
    dialog.set_file_name(u"x");
    ASSERT_EQ(dialog.confirm(), FileDialogStep_ASK_OVERWRITE);
    EXPECT_EQ(dialog.get_message(), u"\"x.preset\" already exists.\nDo you want to replace it?");
    EXPECT_EQ(dialog.answer_overwrite(false), FileDialogStep_NONE);
    EXPECT_EQ(dialog.answer_overwrite(true), FileDialogStep_NONE) << "declined is no question";
}

TEST_F(FileDialogModelTest, AFolderRemovedMeanwhileIsAMessageNotACrash) {
    FileDialogModel dialog = model(FileDialogMode_OPEN);
    std::filesystem::remove(m_folder.path() / "b");
    EXPECT_EQ(dialog.open_entry(1), FileDialogStep_ERROR);
    EXPECT_EQ(dialog.get_message(),
              u"The folder \"" + path("b") + u"\" cannot be read: No such file or directory.");
    EXPECT_EQ(dialog.get_folder(), path()) << "the dialog stays where it was";
}

TEST_F(FileDialogModelTest, AFolderWithoutReadPermissionStartsEmptyWithTheReason) {
    FileDialogModel dialog = model(FileDialogMode_OPEN);
    chmod((m_folder.path() / "A").c_str(), 0);
    dialog.start_at(path("A"));
    if (dialog.get_listing_error().empty())
        GTEST_SKIP() << "this user reads folders without permission";
    EXPECT_EQ(dialog.get_folder(), path("A"));
    EXPECT_TRUE(dialog.get_entries().empty());
    EXPECT_EQ(dialog.get_listing_error(),
              u"The folder \"" + path("A") + u"\" cannot be read: Permission denied.");
    EXPECT_EQ(dialog.show_parent(), FileDialogStep_FOLDER_SHOWN);
    EXPECT_TRUE(dialog.get_listing_error().empty());
}

} // namespace
