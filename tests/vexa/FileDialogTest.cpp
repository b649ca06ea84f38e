#include "WidgetInputFixture.h"

#include "vexa/Dialogs/FileDialog.h"
#include "vexa/Widgets/Entry.h"
#include "vexa/Widgets/ListView.h"
#include "vexa/Widgets/ListViewMain.h"
#include "vexa/Window/MessageBox.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace Vexa;
namespace fs = std::filesystem;

namespace {

class FileDialogs : public VexaTest::WidgetInput {
protected:
    void SetUp() override {
        WidgetInput::SetUp();
        char pattern[] = "/tmp/vexa-file-dialog-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        m_folder = pattern;
        fs::create_directory(m_folder / "Pads");
        for (const char* name : {"Warm.preset", "Cold.preset", "notes.txt", "Pads/Soft.preset"})
            std::ofstream(m_folder / name) << "x";
    }
    void TearDown() override {
        m_dialog.reset();
        WidgetInput::TearDown();
        fs::remove_all(m_folder);
    }
    Orvo::WString folder(const char* a_below = "") const {
        const std::string path = *a_below ? (m_folder / a_below).string() : m_folder.string();
        Orvo::WString text(std::u16string(path.begin(), path.end()));
        return text;
    }
    // The dialog in a window of its own, as the entry points show it.
    void show(FileDialogMode a_mode) {
        Orvo::Vector<FileDialogFilter> filters;
        filters.push_back(FileDialogFilter(Orvo::WString(u"Presets (*.preset)"), u"*.preset"));
        filters.push_back(FileDialogFilter(Orvo::WString(u"All files (*.*)"), u"*.*"));
        m_model = std::make_unique<FileDialogModel>(a_mode, std::move(filters), 0,
                                                    Orvo::WString(u"preset"));
        m_model->start_at(folder().view());
        m_system = std::make_unique<SystemWindow>(nullptr, 0);
        m_dialog = std::make_unique<FileDialog>(u"Preset", *m_model);
        const Size size = m_dialog->get_preferred_size();
        m_system->set_client_size(size.width, size.height);
        m_dialog->set_geometry(0, 0, size.width, size.height);
        m_dialog->open(m_system->get_desktop(), Modality_MODELESS);
        m_system->show(Modality_MODELESS);
        m_dialog->focus_first();
    }
    std::string listing() {
        std::string names;
        ListView& list = m_dialog->get_listing();
        for (std::size_t i = 0; i < list.get_item_count(); ++i) {
            const auto& item = list.get_item(i);
            names += (item.get_mark() == ListViewItemMark_FOLDER ? "[" : "") +
                     std::string(item.get_text().view().begin(), item.get_text().view().end()) +
                     (item.get_mark() == ListViewItemMark_FOLDER ? "] " : " ");
        }
        return names;
    }

    fs::path m_folder;
    std::unique_ptr<FileDialogModel> m_model;
    std::unique_ptr<FileDialog> m_dialog;
};

TEST_F(FileDialogs, SavingOverAFileAsksFirstAndEscapeCancels) {
    show(FileDialogMode_SAVE);
    EXPECT_TRUE(m_dialog->get_name_box().has_focus());
    type(u"Warm");
    m_platform->push_message_box_answer(MessageBoxResult_NO);
    press(KeyCode_ENTER);
    EXPECT_TRUE(m_dialog->is_opened());
    EXPECT_FALSE(m_dialog->get_result());

    m_platform->push_message_box_answer(MessageBoxResult_YES);
    press(KeyCode_ENTER);
    EXPECT_FALSE(m_dialog->is_opened());
    EXPECT_EQ(m_dialog->get_result(), folder("Warm.preset"));

    show(FileDialogMode_SAVE);
    press(KeyCode_TAB);
    EXPECT_TRUE(m_dialog->get_listing().get_main().has_focus());
    press(KeyCode_ESCAPE);
    EXPECT_FALSE(m_dialog->is_opened());
    EXPECT_FALSE(m_dialog->get_result());
}

} // namespace
