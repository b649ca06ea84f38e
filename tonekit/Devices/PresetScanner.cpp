#include "tonekit/Devices/PresetScanner.h"

#include "orvo/Core/Utf.h"
#include "orvo/Streams/FilePath.h"
#include "tonekit/Devices/PresetFolder.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace Tonekit {

namespace {

struct DirectoryCloser {
    void operator()(DIR* a_directory) const noexcept { closedir(a_directory); }
};

} // namespace

PresetScanner::PresetScanner(Orvo::WString a_extension, unsigned a_depth_limit,
                             unsigned a_entry_limit)
    : m_extension(std::move(a_extension)), m_depth_limit(a_depth_limit),
      m_entry_limit(a_entry_limit) {}

bool PresetScanner::is_preset_file_name(const Orvo::WString& a_file_name,
                                        const Orvo::WString& a_extension, Orvo::WString& a_name) {
    if (a_extension.empty())
        return false;
    Orvo::WString name = a_file_name;
    Orvo::WString extension;
    if (!Orvo::FilePath::remove_extension(name, extension) ||
        PresetFolder::compare_names(extension.view(), a_extension.view()) != 0)
        return false;
    a_name = std::move(name);
    return true;
}

PresetScanStatus PresetScanner::scan(const Orvo::WString& a_folder, PresetFolder& a_root) {
    m_depth = 0;
    m_entry_count = 0;
    m_open_folders.clear();
    const std::optional<std::string> path = Orvo::utf16_to_utf8(a_folder.view());
    struct stat status;
    if (!path || path->empty() || stat(path->c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return PresetScanStatus_FOLDER_MISSING;
    m_open_folders.emplace_back(status.st_dev, status.st_ino);
    return p_scan_folder(*path, a_root);
}

PresetScanStatus PresetScanner::p_scan_folder(const std::string& a_path, PresetFolder& a_folder) {
    if (++m_depth > m_depth_limit)
        return PresetScanStatus_TOO_DEEP;
    // A folder that cannot be read (no permission, removed meanwhile) shows as empty.
    std::unique_ptr<DIR, DirectoryCloser> directory(opendir(a_path.c_str()));
    const std::string prefix = a_path.ends_with('/') ? a_path : a_path + '/';
    while (directory) {
        const dirent* entry = readdir(directory.get());
        if (!entry)
            break;
        const std::string_view entry_name = entry->d_name;
        if (entry_name == "." || entry_name == "..")
            continue;
        if (++m_entry_count > m_entry_limit)
            return PresetScanStatus_TOO_MANY_ENTRIES;
        std::optional<Orvo::WString> name = Orvo::utf8_to_utf16(entry_name);
        const std::string entry_path = prefix + std::string(entry_name);
        struct stat status;
        if (!name || stat(entry_path.c_str(), &status) != 0)
            continue;
        if (S_ISDIR(status.st_mode)) {
            const std::pair<dev_t, ino_t> identity(status.st_dev, status.st_ino);
            if (std::find(m_open_folders.begin(), m_open_folders.end(), identity) !=
                m_open_folders.end())
                continue;
            PresetFolder* subfolder = a_folder.add_subfolder(std::move(*name));
            m_open_folders.push_back(identity);
            const PresetScanStatus status_below = p_scan_folder(entry_path, *subfolder);
            m_open_folders.pop_back();
            if (status_below != PresetScanStatus_OK)
                return status_below;
        } else if (S_ISREG(status.st_mode)) {
            // Only regular files: opening a pipe or a device named like a preset would block
            // or read endlessly.
            Orvo::WString preset_name;
            if (is_preset_file_name(*name, m_extension, preset_name))
                a_folder.add_preset(std::move(preset_name), std::move(*name));
        }
    }
    --m_depth;
    return PresetScanStatus_OK;
}

} // namespace Tonekit
