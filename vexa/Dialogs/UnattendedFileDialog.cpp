#include "vexa/Dialogs/UnattendedFileDialog.h"

#include "orvo/Core/Utf.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Window/MessageBox.h"

#include <cstdio>

namespace Vexa {

namespace {

FileDialogOutcome p_cancel(std::u16string_view a_caption, const FileDialogModel& a_model) {
    Orvo::WString path = a_model.get_folder();
    if (!a_model.get_file_name().empty()) {
        if (!path.ends_with(u'/'))
            path += u'/';
        path += a_model.get_file_name();
    }
    std::fprintf(stderr, "%s: %s\n", Orvo::utf16_to_utf8_lossy(a_caption).c_str(),
                 Orvo::utf16_to_utf8_lossy(path.view()).c_str());
    return FileDialogOutcome_CANCELLED;
}

} // namespace

FileDialogOutcome UnattendedFileDialog::answer(Widget* a_owner, std::u16string_view a_caption,
                                               FileDialogModel& a_model) {
    Platform* platform =
        Application::get() && find_dialog_owner(a_owner) ? &Toolkit::get().get_platform() : nullptr;
    if (!platform || !platform->can_show_windows())
        return p_cancel(a_caption, a_model);
    while (std::optional<FileDialogAnswer> answer = platform->take_file_dialog_answer()) {
        if (!answer->name)
            return FileDialogOutcome_CANCELLED;
        a_model.set_file_name(*answer->name);
        FileDialogStep step = a_model.confirm();
        if (step == FileDialogStep_ASK_OVERWRITE)
            step = a_model.answer_overwrite(
                message_box_question(a_owner, a_caption, a_model.get_message()) ==
                MessageBoxResult_YES);
        else if (step == FileDialogStep_ERROR)
            message_box_information(a_owner, a_caption, a_model.get_message());
        if (step == FileDialogStep_CHOSEN)
            return FileDialogOutcome_CHOSEN;
    }
    return platform->can_wait_for_user() ? FileDialogOutcome_SHOW : p_cancel(a_caption, a_model);
}

} // namespace Vexa
