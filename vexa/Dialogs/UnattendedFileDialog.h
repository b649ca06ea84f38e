#pragma once
// A file dialog where nobody would answer it, decided before any window is made.
//
// Over no open toolkit window, or where no display can be reached (a host loading or rendering
// the plug-in), a file dialog never blocks: it writes "caption: path" (the file it would start
// with) to standard error and answers Cancel. On the headless backend it takes the names that
// tests queued, each confirmed as if typed in the name box: the overwrite question and error
// messages go to message boxes, which take their answers from their own queue. When the queue
// holds no further name there, the answer is Cancel as well.

#include "vexa/Dialogs/FileDialogModel.h"

#include <string_view>

namespace Vexa {

class Widget;

enum FileDialogOutcome {
    FileDialogOutcome_CANCELLED,
    // The model's chosen path is the answer.
    FileDialogOutcome_CHOSEN,
    // A person can answer: show the dialog.
    FileDialogOutcome_SHOW,
};

class UnattendedFileDialog {
public:
    // a_owner as for message boxes; a_model has been started at its folder.
    static FileDialogOutcome answer(Widget* a_owner, std::u16string_view a_caption,
                                    FileDialogModel& a_model);
};

} // namespace Vexa
