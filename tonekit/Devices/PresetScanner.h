#pragma once
// Builds the preset tree from the files under the preset folder: every folder becomes a
// PresetFolder, every file whose extension is the preset extension a PresetRecord. Other files,
// "." and "..", and names that are not valid UTF-8 (no system string could name them) are passed
// over. Entries are followed through symbolic links; a link back to a folder that is already
// being scanned is passed over, so a loop cannot make the whole tree exceed the limits.
//
// Limits: a folder nested deeper than the depth limit (the preset folder itself is level 1), or
// more entries than the entry limit (every entry but "." and ".." counts, whatever it is), stop
// the scan with a status; the caller then discards the tree.

#include "orvo/Core/String.h"

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace Tonekit {

class PresetFolder;

enum PresetScanStatus : unsigned {
    PresetScanStatus_OK = 0,
    PresetScanStatus_FOLDER_MISSING = 1,
    PresetScanStatus_TOO_DEEP = 2,
    PresetScanStatus_TOO_MANY_ENTRIES = 3,
};

class PresetScanner {
public:
    // a_extension without the dot; it is compared like preset names (A to Z folded).
    PresetScanner(Orvo::WString a_extension, unsigned a_depth_limit, unsigned a_entry_limit);

    // Fills a_root, which must be empty, from a_folder.
    PresetScanStatus scan(const Orvo::WString& a_folder, PresetFolder& a_root);

    // What the last scan reached: the depth it was at when it ended and the entries it counted.
    unsigned get_depth() const noexcept { return m_depth; }
    unsigned get_entry_count() const noexcept { return m_entry_count; }

    // The name without the dotted extension when its extension is a_extension (folded), else
    // false.
    static bool is_preset_file_name(const Orvo::WString& a_file_name,
                                    const Orvo::WString& a_extension, Orvo::WString& a_name);

private:
    PresetScanStatus p_scan_folder(const std::string& a_path, PresetFolder& a_folder);

    Orvo::WString m_extension;
    unsigned m_depth_limit;
    unsigned m_entry_limit;
    unsigned m_depth = 0;
    unsigned m_entry_count = 0;
    // Device and inode of every folder on the way down to the one being scanned.
    std::vector<std::pair<dev_t, ino_t>> m_open_folders;
};

} // namespace Tonekit
