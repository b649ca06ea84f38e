// File dialogs where nobody answers: without a window they never wait; on the headless backend
// they follow the queued names, through the overwrite question.

#include "HeadlessToolkit.h"

#include "orvo/Core/Utf.h"
#include "tests/support/TemporaryFolder.h"
#include "vexa/Dialogs/UnattendedFileDialog.h"
#include "vexa/Window/MessageBox.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

using namespace Vexa;

namespace {

class UnattendedFileDialogTest : public VexaTest::HeadlessToolkit {
protected:
    void SetUp() override {
        HeadlessToolkit::SetUp();
        std::ofstream(m_folder.path() / "x.preset") << "data";
        m_start = m_folder.path().string() + "/No name";
        Orvo::Vector<FileDialogFilter> filters;
        filters.push_back(FileDialogFilter(u"Presets (*.preset)", u"*.preset"));
        m_model.emplace(FileDialogMode_SAVE, std::move(filters), 0, u"preset");
        m_model->start_at(Orvo::to_utf16(m_start).view());
    }

    TestSupport::TemporaryFolder m_folder;
    std::string m_start;
    std::optional<FileDialogModel> m_model;
};

TEST_F(UnattendedFileDialogTest, WithoutAnOpenWindowItCancelsAtOnce) {
    m_platform->push_file_dialog_answer(u"y");
    testing::internal::CaptureStderr();
    EXPECT_EQ(UnattendedFileDialog::answer(nullptr, u"Save preset", *m_model),
              FileDialogOutcome_CANCELLED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Save preset: " + m_start + "\n");
}

TEST_F(UnattendedFileDialogTest, QueuedNamesAreConfirmedAsTyped) {
    struct {
        const char* what;
        std::vector<std::optional<std::u16string>> names;
        std::vector<int> box_answers;
        FileDialogOutcome outcome;
        const char* chosen;
        int error_lines;
    } const cases[] = {
        {"a new name", {u"y"}, {}, FileDialogOutcome_CHOSEN, "y.preset", 0},
        {"replacing, confirmed",
         {u"x"},
         {MessageBoxResult_YES},
         FileDialogOutcome_CHOSEN,
         "x.preset",
         0},
        {"replacing declined, then another name",
         {u"x", u"z"},
         {MessageBoxResult_NO},
         FileDialogOutcome_CHOSEN,
         "z.preset",
         0},
        {"replacing declined, then Cancel",
         {u"x", std::nullopt},
         {MessageBoxResult_NO},
         FileDialogOutcome_CANCELLED,
         nullptr,
         0},
        {"an error, then the queue runs dry",
         {u"Nowhere/x"},
         {},
         FileDialogOutcome_CANCELLED,
         nullptr,
         2},
    };
    SystemWindow owner(nullptr, 0);
    owner.show(Modality_MODELESS);
    for (const auto& c : cases) {
        for (const auto& name : c.names) {
            if (name)
                m_platform->push_file_dialog_answer(*name);
            else
                m_platform->push_file_dialog_cancel();
        }
        for (const int answer : c.box_answers)
            m_platform->push_message_box_answer(answer);
        m_model->start_at(Orvo::to_utf16(m_start).view());
        testing::internal::CaptureStderr();
        EXPECT_EQ(UnattendedFileDialog::answer(owner.get_desktop(), u"Save preset", *m_model),
                  c.outcome)
            << c.what;
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), c.error_lines) << errors;
        if (c.chosen) {
            EXPECT_EQ(Orvo::to_utf8(m_model->get_chosen_path().view()),
                      m_folder.path().string() + "/" + c.chosen)
                << c.what;
        }
        EXPECT_FALSE(m_platform->take_file_dialog_answer()) << c.what << ": answers left over";
        EXPECT_FALSE(m_platform->take_message_box_answer()) << c.what << ": answers left over";
    }
}

} // namespace
