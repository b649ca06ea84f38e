#include "vexa/Window/MessageBox.h"

#include "orvo/Core/Utf.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Window/MessageBoxWindow.h"
#include "vexa/Window/SystemWindow.h"

#include <cstdio>
#include <optional>

namespace Vexa {

SystemWindow* find_dialog_owner(Widget* a_owner) {
    if (a_owner && a_owner->get_desktop()) {
        SystemWindow* system_window = a_owner->get_desktop()->get_system_window();
        return system_window && system_window->is_shown() ? system_window : nullptr;
    }
    const auto& shown = SystemWindow::get_shown_windows();
    return shown.empty() ? nullptr : shown.back();
}

namespace {

int show_box(Widget* a_owner, std::u16string_view a_caption, std::u16string_view a_text,
             bool a_question) {
    const int fallback = a_question ? MessageBoxResult_NO : MessageBoxResult_OK;
    // Only over an open toolkit window: a host that loads or renders the plug-in has none, and
    // nobody would be there to answer.
    SystemWindow* owner = Application::get() ? find_dialog_owner(a_owner) : nullptr;
    std::optional<int> scripted;
    bool can_show = owner != nullptr;
    if (can_show) {
        Platform& platform = Toolkit::get().get_platform();
        scripted = platform.take_message_box_answer();
        can_show = platform.can_show_windows() && (scripted || platform.can_wait_for_user());
    }
    if (!can_show) {
        std::fprintf(stderr, "%s: %s\n", Orvo::utf16_to_utf8_lossy(a_caption).c_str(),
                     Orvo::utf16_to_utf8_lossy(a_text).c_str());
        return fallback;
    }
    SystemWindow box_window(owner, 0);
    box_window.set_title(a_caption);
    MessageBoxWindow box(std::u16string(a_caption), std::u16string(a_text), a_question);
    box.set_closes_system_window(true);
    const Size size = box.get_preferred_size();
    box_window.set_client_size(size.width, size.height);
    box.set_geometry(0, 0, size.width, size.height);
    box.open(box_window.get_desktop(), Modality_MODELESS);
    if (scripted)
        box.answer_later(&box_window, *scripted);
    box_window.show(Modality_MODAL);
    return box.get_result();
}

} // namespace

int message_box_question(Widget* a_owner, std::u16string_view a_caption,
                         std::u16string_view a_text) {
    return show_box(a_owner, a_caption, a_text, true);
}

int message_box_information(Widget* a_owner, std::u16string_view a_caption,
                            std::u16string_view a_text) {
    return show_box(a_owner, a_caption, a_text, false);
}

} // namespace Vexa
