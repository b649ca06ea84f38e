#include "vexa/Dialogs/FileDialogModel.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/NameOrder.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace Vexa {

namespace {

enum PathKind {
    PathKind_MISSING,
    PathKind_FOLDER,
    PathKind_FILE,
    // Pipes, devices, sockets: nothing a dialog should open or replace.
    PathKind_OTHER,
};

PathKind p_kind(std::u16string_view a_path) {
    const std::optional<std::string> path = Orvo::utf16_to_utf8(a_path);
    struct stat status;
    if (!path || stat(path->c_str(), &status) != 0)
        return PathKind_MISSING;
    if (S_ISDIR(status.st_mode))
        return PathKind_FOLDER;
    return S_ISREG(status.st_mode) ? PathKind_FILE : PathKind_OTHER;
}

Orvo::WString p_join(std::u16string_view a_folder, std::u16string_view a_name) {
    Orvo::WString path(a_folder);
    if (!path.ends_with(u'/'))
        path += u'/';
    path += a_name;
    return path;
}

Orvo::WString p_parent(std::u16string_view a_path) {
    const std::size_t slash = a_path.rfind(u'/');
    if (slash == std::u16string_view::npos || slash == 0)
        return Orvo::WString(u"/");
    return Orvo::WString(a_path.substr(0, slash));
}

std::u16string_view p_last_component(std::u16string_view a_path) {
    const std::size_t slash = a_path.rfind(u'/');
    return slash == std::u16string_view::npos ? a_path : a_path.substr(slash + 1);
}

// "." and ".." resolved, doubled and trailing separators dropped; a_path is absolute.
Orvo::WString p_normalize(std::u16string_view a_path) {
    Orvo::Vector<std::u16string_view> components;
    while (!a_path.empty()) {
        const std::size_t end = std::min(a_path.find(u'/'), a_path.size());
        const std::u16string_view component = a_path.substr(0, end);
        a_path.remove_prefix(std::min(end + 1, a_path.size()));
        if (component == u"..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != u".") {
            components.push_back(component);
        }
    }
    Orvo::WString path;
    for (const std::u16string_view component : components) {
        path += u'/';
        path += component;
    }
    return path.empty() ? Orvo::WString(u"/") : path;
}

Orvo::WString p_home_folder() {
    const char* home = std::getenv("HOME");
    std::optional<Orvo::WString> path = Orvo::utf8_to_utf16(home ? home : "");
    return path && !path->empty() && path->view().front() == u'/' ? p_normalize(path->view())
                                                                  : Orvo::WString(u"/");
}

Orvo::WString p_working_folder() {
    std::unique_ptr<char, decltype(&std::free)> folder(getcwd(nullptr, 0), &std::free);
    std::optional<Orvo::WString> path = Orvo::utf8_to_utf16(folder ? folder.get() : "");
    return path && !path->empty() ? *path : p_home_folder();
}

// A dot that neither starts nor ends the name: ".profile" and "Warm." have no extension.
bool p_has_extension(std::u16string_view a_name) {
    const std::u16string_view name = p_last_component(a_name);
    const std::size_t dot = name.rfind(u'.');
    return dot != std::u16string_view::npos && dot > 0 && dot + 1 < name.size();
}

Orvo::WString p_quoted(std::u16string_view a_text) {
    return u"\"" + Orvo::WString(a_text) + u"\"";
}

struct DirectoryCloser {
    void operator()(DIR* a_directory) const noexcept { closedir(a_directory); }
};

} // namespace

FileDialogModel::FileDialogModel(FileDialogMode a_mode, Orvo::Vector<FileDialogFilter> a_filters,
                                 std::size_t a_selected_filter, Orvo::WString a_default_extension)
    : m_mode(a_mode), m_filters(std::move(a_filters)), m_selected_filter(a_selected_filter),
      m_default_extension(std::move(a_default_extension)), m_folder(u"/") {
    ORVO_ASSERT(m_filters.empty() || m_selected_filter < m_filters.size());
}

void FileDialogModel::start_at(std::u16string_view a_path) {
    Orvo::WString path;
    if (a_path.empty())
        path = p_home_folder();
    else if (a_path == u"~" || a_path.starts_with(u"~/"))
        path = p_normalize(p_join(p_home_folder(), a_path.substr(1)).view());
    else if (a_path.front() == u'/')
        path = p_normalize(a_path);
    else
        path = p_normalize(p_join(p_working_folder(), a_path).view());
    const bool names_a_file =
        !a_path.empty() && a_path.back() != u'/' && p_kind(path.view()) != PathKind_FOLDER;
    if (names_a_file) {
        m_file_name = Orvo::WString(p_last_component(path.view()));
        path = p_parent(path.view());
    }
    while (path != u"/" && p_kind(path.view()) != PathKind_FOLDER)
        path = p_parent(path.view());
    m_folder = std::move(path);
    refresh();
}

void FileDialogModel::refresh() {
    m_entries.clear();
    m_listing_error.clear();
    m_selected_entry.reset();
    Orvo::Vector<Entry> entries;
    if (p_list(m_folder, entries, m_listing_error))
        m_entries = std::move(entries);
}

void FileDialogModel::select_filter(std::size_t a_index) {
    ORVO_ASSERT(a_index < m_filters.size());
    m_selected_filter = a_index;
    refresh();
}

void FileDialogModel::select_entry(std::size_t a_index) {
    ORVO_ASSERT(a_index < m_entries.size());
    m_selected_entry = a_index;
    if (!m_entries[a_index].is_folder)
        m_file_name = m_entries[a_index].name;
}

std::optional<std::size_t>
FileDialogModel::find_entry_starting_with(std::u16string_view a_prefix) const {
    const std::size_t count = m_entries.size();
    const std::size_t first = m_selected_entry ? *m_selected_entry + 1 : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = (first + i) % count;
        const std::u16string_view name = m_entries[index].name.view();
        if (name.size() >= a_prefix.size() &&
            Orvo::NameOrder::compare(name.substr(0, a_prefix.size()), a_prefix) == 0)
            return index;
    }
    return std::nullopt;
}

FileDialogStep FileDialogModel::open_entry(std::size_t a_index) {
    ORVO_ASSERT(a_index < m_entries.size());
    const Entry& entry = m_entries[a_index];
    if (entry.is_folder)
        return p_show_folder(p_join(m_folder.view(), entry.name.view()));
    m_file_name = entry.name;
    return confirm();
}

FileDialogStep FileDialogModel::show_parent() {
    if (m_folder == u"/")
        return FileDialogStep_NONE;
    return p_show_folder(p_parent(m_folder.view()));
}

FileDialogStep FileDialogModel::confirm() {
    m_pending_overwrite.clear();
    if (m_file_name.empty())
        return FileDialogStep_NONE;
    const Orvo::WString path = p_resolve(m_file_name.view());
    if (!Orvo::utf16_to_utf8(path.view()))
        return p_error(p_quoted(m_file_name.view()) + u" is not a valid file name.");
    if (p_kind(path.view()) == PathKind_FOLDER) {
        const FileDialogStep step = p_show_folder(path);
        if (step == FileDialogStep_FOLDER_SHOWN)
            m_file_name.clear();
        return step;
    }
    // "Name/" asks for a folder; saving a file of that name instead would surprise.
    if (m_file_name.ends_with(u'/'))
        return p_error(u"The folder " + p_quoted(path.view()) + u" does not exist.");
    return m_mode == FileDialogMode_OPEN ? p_confirm_open(path) : p_confirm_save(path);
}

FileDialogStep FileDialogModel::answer_overwrite(bool a_replace) {
    if (m_pending_overwrite.empty())
        return FileDialogStep_NONE;
    Orvo::WString path = std::move(m_pending_overwrite);
    m_pending_overwrite.clear();
    if (!a_replace)
        return FileDialogStep_NONE;
    m_chosen_path = std::move(path);
    return FileDialogStep_CHOSEN;
}

FileDialogStep FileDialogModel::p_show_folder(const Orvo::WString& a_folder) {
    Orvo::Vector<Entry> entries;
    Orvo::WString error;
    // An unreadable folder keeps the dialog where it was, so the user is never stranded.
    if (!p_list(a_folder, entries, error))
        return p_error(std::move(error));
    m_folder = a_folder;
    m_pending_overwrite.clear();
    m_entries = std::move(entries);
    m_listing_error.clear();
    m_selected_entry.reset();
    return FileDialogStep_FOLDER_SHOWN;
}

bool FileDialogModel::p_list(const Orvo::WString& a_folder, Orvo::Vector<Entry>& a_entries,
                             Orvo::WString& a_error) const {
    const std::optional<std::string> folder = Orvo::utf16_to_utf8(a_folder.view());
    const auto fail = [&](int a_errno) {
        a_error = u"The folder " + p_quoted(a_folder.view()) + u" cannot be read: " +
                  Orvo::system_error_text(a_errno) + u".";
        return false;
    };
    if (!folder)
        return fail(EINVAL);
    std::unique_ptr<DIR, DirectoryCloser> directory(opendir(folder->c_str()));
    if (!directory)
        return fail(errno);
    const std::string prefix = folder->ends_with('/') ? *folder : *folder + '/';
    const FileDialogFilter* filter = m_filters.empty() ? nullptr : &m_filters[m_selected_filter];
    Orvo::Vector<Entry> folders;
    Orvo::Vector<Entry> files;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(directory.get());
        if (!entry) {
            if (errno != 0)
                return fail(errno);
            break;
        }
        const std::string_view entry_name = entry->d_name;
        if (entry_name.empty() || entry_name.front() == '.')
            continue;
        std::optional<Orvo::WString> name = Orvo::utf8_to_utf16(entry_name);
        struct stat status;
        if (!name || stat((prefix + std::string(entry_name)).c_str(), &status) != 0)
            continue;
        if (S_ISDIR(status.st_mode))
            folders.push_back({std::move(*name), true});
        else if (S_ISREG(status.st_mode) && (!filter || filter->matches(name->view())))
            files.push_back({std::move(*name), false});
    }
    const auto by_name = [](const Entry& a_first, const Entry& a_second) {
        return Orvo::NameOrder::sorts_before(a_first.name.view(), a_second.name.view());
    };
    std::sort(folders.begin(), folders.end(), by_name);
    std::sort(files.begin(), files.end(), by_name);
    a_entries = std::move(folders);
    for (Entry& file : files)
        a_entries.push_back(std::move(file));
    return true;
}

FileDialogStep FileDialogModel::p_confirm_open(const Orvo::WString& a_path) {
    Orvo::WString path = a_path;
    PathKind kind = p_kind(path.view());
    if (kind == PathKind_MISSING && !m_default_extension.empty() && !p_has_extension(path.view())) {
        Orvo::WString with_extension = path + u"." + m_default_extension;
        if (p_kind(with_extension.view()) != PathKind_MISSING) {
            path = std::move(with_extension);
            kind = p_kind(path.view());
        }
    }
    if (kind == PathKind_MISSING)
        return p_error(u"The file " + p_quoted(m_file_name.view()) + u" does not exist.");
    if (kind != PathKind_FILE)
        return p_error(p_quoted(m_file_name.view()) + u" is not a file that can be opened.");
    m_chosen_path = std::move(path);
    return FileDialogStep_CHOSEN;
}

FileDialogStep FileDialogModel::p_confirm_save(Orvo::WString a_path) {
    if (!m_default_extension.empty() && !p_has_extension(a_path.view())) {
        while (a_path.ends_with(u'.'))
            a_path = a_path.substr(0, a_path.size() - 1);
        a_path += u"." + m_default_extension;
    }
    const Orvo::WString folder = p_parent(a_path.view());
    if (p_kind(folder.view()) != PathKind_FOLDER)
        return p_error(u"The folder " + p_quoted(folder.view()) + u" does not exist.");
    const std::u16string_view name = p_last_component(a_path.view());
    switch (p_kind(a_path.view())) {
    case PathKind_MISSING:
        m_chosen_path = std::move(a_path);
        return FileDialogStep_CHOSEN;
    case PathKind_FILE:
        m_message = p_quoted(name) + u" already exists.\nDo you want to replace it?";
        m_pending_overwrite = std::move(a_path);
        return FileDialogStep_ASK_OVERWRITE;
    default:
        return p_error(p_quoted(name) + u" cannot be replaced: it is not a file.");
    }
}

FileDialogStep FileDialogModel::p_error(Orvo::WString a_message) {
    m_message = std::move(a_message);
    return FileDialogStep_ERROR;
}

Orvo::WString FileDialogModel::p_resolve(std::u16string_view a_name) const {
    if (a_name == u"~" || a_name.starts_with(u"~/"))
        return p_normalize(p_join(p_home_folder(), a_name.substr(1)).view());
    if (a_name.front() == u'/')
        return p_normalize(a_name);
    return p_normalize(p_join(m_folder.view(), a_name).view());
}

} // namespace Vexa
