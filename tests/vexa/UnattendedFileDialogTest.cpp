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

using namespace Vexa;

namespace {

class UnattendedFileDialogTest : public VexaTest::HeadlessToolkit {
protected:
    void SetUp() override {
        HeadlessToolkit::SetUp();
        std::ofstream(m_folder.path() / "x.preset") << "data";
        m_start = m_folder.path().string() + "/No name";
    }
    // A fresh save dialog, as the program makes one for every call.
    FileDialogModel& start() {
        Orvo::Vector<FileDialogFilter> filters;
        filters.push_back(FileDialogFilter(u"Presets (*.preset)", u"*.preset"));
        m_model.emplace(FileDialogMode_SAVE, std::move(filters), 0, u"preset");
        m_model->start_at(Orvo::to_utf16(m_start).view());
        return *m_model;
    }

    TestSupport::TemporaryFolder m_folder;
    std::string m_start;
    std::optional<FileDialogModel> m_model;
};

TEST_F(UnattendedFileDialogTest, WithoutAnOpenWindowItCancelsAtOnce) {
    m_platform->push_file_dialog_answer(u"y");
    testing::internal::CaptureStderr();
    EXPECT_EQ(UnattendedFileDialog::answer(nullptr, u"Save preset", start()),
              FileDialogOutcome_CANCELLED);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Save preset: " + m_start + "\n");
}

TEST_F(UnattendedFileDialogTest, QueuedNamesAreConfirmedAsTyped) {
    // Names queued one after the other, separated by "|"; "^" is Cancel. Then the answers to the
    // message boxes: Y for Yes, N for No.
    struct {
        std::u16string_view names;
        std::string_view boxes;
        FileDialogOutcome outcome;
        const char* chosen;
        long error_lines;
    } const cases[] = {
        {u"y", "", FileDialogOutcome_CHOSEN, "y.preset", 0},
        {u"x", "Y", FileDialogOutcome_CHOSEN, "x.preset", 0},
        {u"x|z", "N", FileDialogOutcome_CHOSEN, "z.preset", 0},
        {u"x|^", "N", FileDialogOutcome_CANCELLED, nullptr, 0},
        {u"Nowhere/x", "", FileDialogOutcome_CANCELLED, nullptr, 2},
    };
    SystemWindow owner(nullptr, 0);
    owner.show(Modality_MODELESS);
    for (const auto& c : cases) {
        const std::string what = Orvo::to_utf8(c.names);
        for (std::u16string_view names = c.names; !names.empty();) {
            const std::u16string_view name = names.substr(0, names.find(u'|'));
            names.remove_prefix(std::min(name.size() + 1, names.size()));
            if (name == u"^")
                m_platform->push_file_dialog_cancel();
            else
                m_platform->push_file_dialog_answer(std::u16string(name));
        }
        for (const char answer : c.boxes)
            m_platform->push_message_box_answer(answer == 'Y' ? MessageBoxResult_YES
                                                              : MessageBoxResult_NO);
        testing::internal::CaptureStderr();
        EXPECT_EQ(UnattendedFileDialog::answer(owner.get_desktop(), u"Save preset", start()),
                  c.outcome)
            << what;
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), c.error_lines) << errors;
        EXPECT_EQ(Orvo::to_utf8(m_model->get_chosen_path().view()),
                  c.chosen ? m_folder.path().string() + "/" + c.chosen : "")
            << what;
        EXPECT_FALSE(m_platform->take_file_dialog_answer()) << what << ": answers left over";
        EXPECT_FALSE(m_platform->take_message_box_answer()) << what << ": answers left over";
    }
}

} // namespace
