#pragma once
// The factory presets the plug-in carries (embedded at build time from chorus/presets/factory),
// and their installation into a "Factory" folder of the user's preset folder.
//
// The bank is installed only where no "Factory" exists yet: a folder of that name, even one that
// lacks some presets or holds the user's own, is the user's from then on and is never touched. A
// fresh bank is written into a hidden folder beside it and renamed into place in one step, so a
// failure halfway leaves no partial bank, and two instances starting at once cannot mix theirs.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

namespace tolvanchorus {

struct FactoryPresetFile {
    const char* m_file_name;
    const unsigned char* m_bytes;
    std::size_t m_size;
};

inline constexpr char factory_folder_name[] = "Factory";

// In file-name order.
std::span<const FactoryPresetFile> factory_bank();

enum class FactoryBankInstall { written, already_there, failed };

// a_error gets the reason of a failure. Never throws.
FactoryBankInstall install_factory_bank(const std::filesystem::path& a_preset_folder,
                                        std::string& a_error) noexcept;

} // namespace tolvanchorus
