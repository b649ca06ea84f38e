#pragma once
// What the open-file and save-file dialogs know and decide, apart from their windows: the folder
// shown and its listing, the filters, the name typed, and what confirming that name leads to.
//
// A listing shows the folder's subfolders first, then the regular files that the active filter
// matches, each group in the order of the preset tree (Orvo::NameOrder). Names beginning with a
// dot are hidden, as are entries that are neither folders nor regular files (a pipe or a device
// opened as a preset would block) and names that are not valid UTF-8 (no string of the system
// can hold them). Paths use "/".
//
// The dialog never replaces a file silently: confirming the name of an existing file in the save
// dialog asks first (FileDialogStep_ASK_OVERWRITE), and only answer_overwrite(true) chooses it.

#include "vexa/Dialogs/FileDialogFilter.h"

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace Vexa {

enum FileDialogMode {
    FileDialogMode_OPEN,
    FileDialogMode_SAVE,
};

// What the dialog does after the user confirmed a name, opened an entry or went up a folder.
enum FileDialogStep {
    // Nothing changed (an empty name, the top folder, a replacement declined).
    FileDialogStep_NONE,
    // get_chosen_path() is the answer; the dialog closes.
    FileDialogStep_CHOSEN,
    // Another folder is listed now.
    FileDialogStep_FOLDER_SHOWN,
    // Ask get_message() in a Yes/No message box and hand the answer to answer_overwrite.
    FileDialogStep_ASK_OVERWRITE,
    // Show get_message() in a message box with OK; the dialog stays as it was.
    FileDialogStep_ERROR,
};

class FileDialogModel {
public:
    struct Entry {
        Orvo::WString name;
        bool is_folder;
    };

    // a_filters may be empty (every file is listed); a_selected_filter < their count otherwise.
    // a_default_extension is without the dot; empty for none.
    FileDialogModel(FileDialogMode a_mode, Orvo::Vector<FileDialogFilter> a_filters,
                    std::size_t a_selected_filter = 0, Orvo::WString a_default_extension = {});

    // Lists the starting folder: a_path itself when it is a folder, else the folder it names a
    // file in, whose name then fills the name box. When that folder does not exist (a preset
    // folder not made yet), the nearest folder above it that exists. An empty path starts in
    // the home folder, a relative one below the working folder. A folder that cannot be read
    // is shown empty with get_listing_error() telling why.
    void start_at(std::u16string_view a_path);

    FileDialogMode get_mode() const noexcept { return m_mode; }
    const Orvo::WString& get_folder() const noexcept { return m_folder; }
    const Orvo::Vector<Entry>& get_entries() const noexcept { return m_entries; }
    // Empty when the folder was listed.
    const Orvo::WString& get_listing_error() const noexcept { return m_listing_error; }
    // Lists the folder again (after a change on disk, or the filter).
    void refresh();

    const Orvo::Vector<FileDialogFilter>& get_filters() const noexcept { return m_filters; }
    std::size_t get_selected_filter() const noexcept { return m_selected_filter; }
    void select_filter(std::size_t a_index);

    // The name box. Typed names may hold folders ("Pads/Warm") or be absolute; "~" starts in
    // the home folder.
    const Orvo::WString& get_file_name() const noexcept { return m_file_name; }
    void set_file_name(std::u16string_view a_name) { m_file_name = Orvo::WString(a_name); }

    // The highlighted entry; choosing a file copies its name into the name box.
    std::optional<std::size_t> get_selected_entry() const noexcept { return m_selected_entry; }
    void select_entry(std::size_t a_index);
    // The next entry after the highlighted one whose name starts with a_prefix (A to Z folded),
    // wrapping around, for typing the first letters in the list; none when no name does.
    std::optional<std::size_t> find_entry_starting_with(std::u16string_view a_prefix) const;

    // Double click or Enter on an entry: a folder is shown, a file is confirmed as by confirm.
    FileDialogStep open_entry(std::size_t a_index);
    FileDialogStep show_parent();
    // The Open or Save button, or Enter in the name box, with the name in the name box.
    FileDialogStep confirm();
    // The answer to the question of FileDialogStep_ASK_OVERWRITE.
    FileDialogStep answer_overwrite(bool a_replace);

    // The text of the last FileDialogStep_ERROR or FileDialogStep_ASK_OVERWRITE.
    const Orvo::WString& get_message() const noexcept { return m_message; }
    // The file chosen by the last FileDialogStep_CHOSEN.
    const Orvo::WString& get_chosen_path() const noexcept { return m_chosen_path; }

private:
    FileDialogStep p_show_folder(const Orvo::WString& a_folder);
    // The listing of a folder, or the reason it cannot be read.
    bool p_list(const Orvo::WString& a_folder, Orvo::Vector<Entry>& a_entries,
                Orvo::WString& a_error) const;
    FileDialogStep p_confirm_open(const Orvo::WString& a_path);
    FileDialogStep p_confirm_save(Orvo::WString a_path);
    FileDialogStep p_error(Orvo::WString a_message);
    // An absolute, normalized path for a typed name.
    Orvo::WString p_resolve(std::u16string_view a_name) const;

    FileDialogMode m_mode;
    Orvo::Vector<FileDialogFilter> m_filters;
    std::size_t m_selected_filter;
    Orvo::WString m_default_extension;
    Orvo::WString m_folder;
    Orvo::Vector<Entry> m_entries;
    Orvo::WString m_listing_error;
    Orvo::WString m_file_name;
    std::optional<std::size_t> m_selected_entry;
    Orvo::WString m_message;
    Orvo::WString m_chosen_path;
    Orvo::WString m_pending_overwrite;
};

} // namespace Vexa
