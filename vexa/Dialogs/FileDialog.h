#pragma once
// The open-file and save-file dialogs, drawn by the toolkit in a modal window over the owner's:
// the folder shown with an "Up" button, the listing (folders first, marked), the name box, the
// filter, and Open (Save) and Cancel. The keyboard alone can drive it: Tab moves between the
// listing and the name box, Enter opens the highlighted folder or confirms, Backspace in the
// listing goes up, a typed letter there jumps to the next name starting with it, Escape cancels.
// Replacing a file is asked first in a Yes/No message box; errors come in an OK message box.

#include "vexa/Dialogs/FileDialogModel.h"
#include "vexa/Window/NormalWindow.h"

#include <functional>
#include <optional>

namespace Vexa {

class Entry;
class ListView;
class SystemWindow;
struct ListViewSelectionChangedEvent;
namespace ListViewEvents {
struct OnItemActivated;
}
namespace EntryEvents {
struct OnEdited;
}

class FileDialog : public NormalWindow {
public:
    FileDialog(std::u16string a_caption, FileDialogModel& a_model);
    ~FileDialog() override;

    // The chosen file once the dialog closed with one; empty after Cancel.
    const std::optional<Orvo::WString>& get_result() const noexcept { return m_result; }
    void cancel();
    // What the Open (Save) button does.
    void confirm();
    void go_up();
    void next_filter();
    // The listing or the name box takes the focus (the name box in a save dialog).
    void focus_first();

    ListView& get_listing() noexcept { return *m_listing; }
    Entry& get_name_box() noexcept { return *m_name; }
    FileDialogModel& get_model() noexcept { return m_model; }
    Size get_preferred_size() const;
    void set_closes_system_window(bool a_closes) noexcept { m_closes_system_window = a_closes; }

protected:
    void handle_input(InputEvent& a_event) override;
    void after_close() override;

private:
    class Button;
    class Caption;
    class Panel;

    void p_step(FileDialogStep a_step);
    void p_fill();
    void p_on_selection(ListViewSelectionChangedEvent& a_event);
    void p_on_activated(ListViewEvents::OnItemActivated& a_event);
    void p_on_edited(EntryEvents::OnEdited& a_event);
    void p_on_listing_key(InputEvent& a_event);

    std::u16string m_caption;
    FileDialogModel& m_model;
    Caption* m_folder;
    ListView* m_listing;
    Entry* m_name;
    Button* m_filter;
    std::optional<Orvo::WString> m_result;
    bool m_filling = false;
    bool m_closes_system_window = false;
};

// The name of a file to open or to save, or nothing for Cancel. a_owner as for message boxes.
// Without a window or a display to show it in, Cancel at once; on the headless backend the
// answers that tests queued (see UnattendedFileDialog). a_filters may be empty (every file).
std::optional<Orvo::WString> get_open_file_name(Widget* a_owner, std::u16string_view a_caption,
                                                Orvo::Vector<FileDialogFilter> a_filters,
                                                std::size_t a_selected_filter,
                                                std::u16string_view a_start);
// a_default_extension without the dot, empty for none.
std::optional<Orvo::WString> get_save_file_name(Widget* a_owner, std::u16string_view a_caption,
                                                Orvo::Vector<FileDialogFilter> a_filters,
                                                std::size_t a_selected_filter,
                                                std::u16string_view a_default_extension,
                                                std::u16string_view a_start);

} // namespace Vexa
