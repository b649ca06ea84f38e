#include "HeadlessToolkit.h"

#include "vexa/Platform/Headless/HeadlessWindow.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/MessageBoxButton.h"
#include "vexa/Window/MessageBoxWindow.h"

#include <cstdlib>

using namespace Vexa;
using VexaTest::HeadlessToolkit;

namespace {

using MessageBoxes = HeadlessToolkit;

// Where nobody could answer (no toolkit window open, as when a host renders), a box never waits.
TEST_F(MessageBoxes, WithoutAnOpenWindowTheyWriteToStandardErrorAndAnswerAtOnce) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(message_box_question(nullptr, u"Question", u"Keep the preset?"), MessageBoxResult_NO);
    EXPECT_EQ(message_box_information(nullptr, u"Error", u"m_reference_counter > 0"),
              MessageBoxResult_OK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Question: Keep the preset?\nError: m_reference_counter > 0\n");
}

TEST(MessageBoxesWithoutApplication, NeverBlockEither) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(message_box_question(nullptr, u"Q", u"T"), MessageBoxResult_NO);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Q: T\n");
}

TEST(MessageBoxesWithoutDisplay, NeverBlockOverAnX11Window) {
    // An X11 toolkit whose display cannot be reached has no window to show a box over.
    const char* saved = std::getenv("DISPLAY");
    const std::string display = saved ? saved : "";
    unsetenv("DISPLAY");
    Application::acquire();
    testing::internal::CaptureStderr();
    EXPECT_EQ(message_box_question(nullptr, u"Save", u"Now?"), MessageBoxResult_NO);
    EXPECT_FALSE(Toolkit::get().get_platform().can_show_windows());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Save: Now?\n");
    Application::release();
    if (saved)
        setenv("DISPLAY", display.c_str(), 1);
}

TEST_F(MessageBoxes, OverAWindowTheyRunModallyAndGiveTheChosenButton) {
    SystemWindow owner(nullptr, 0);
    owner.show(Modality_MODELESS);
    m_platform->push_message_box_answer(MessageBoxResult_YES);
    EXPECT_EQ(message_box_question(owner.get_desktop(), u"Preset", u"Overwrite it?"),
              MessageBoxResult_YES);
    EXPECT_TRUE(owner.is_enabled());
    EXPECT_EQ(m_platform->get_windows().size(), 1u); // the box's window is gone again

    // No scripted answer: headless, nobody can click, so the fallback answer.
    testing::internal::CaptureStderr();
    EXPECT_EQ(message_box_question(owner.get_desktop(), u"Preset", u"Overwrite it?"),
              MessageBoxResult_NO);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Preset: Overwrite it?\n");
}

TEST_F(MessageBoxes, TheBoxWindowAnswersItsButtonsAndKeys) {
    SystemWindow system(nullptr, 0);
    MessageBoxWindow box(u"Question", u"First line\nSecond line", true);
    const Size size = box.get_preferred_size();
    system.set_client_size(size.width, size.height);
    box.set_geometry(0, 0, size.width, size.height);
    box.open(system.get_desktop(), Modality_MODELESS);
    system.show(Modality_MODELESS);
    EXPECT_GT(size.height, 3 * box.get_title_bar_height());

    // The No button is the last one, at the bottom right of the client area.
    const int no_x = size.width - NormalWindow::border_width - 18 - MessageBoxButton::width / 2;
    click(system, no_x, size.height - NormalWindow::border_width - 24);
    EXPECT_EQ(box.get_result(), MessageBoxResult_NO);
    EXPECT_FALSE(box.is_opened());

    box.open(system.get_desktop(), Modality_MODELESS);
    m_platform->send(*system.get_native_window(), key(NativeEventType::key_down, 13));
    EXPECT_EQ(box.get_result(), MessageBoxResult_YES);
}

} // namespace
