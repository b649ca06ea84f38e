#include "chorus/FactoryBank.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <system_error>

namespace tolvanchorus {

extern const FactoryPresetFile factory_bank_files[];
extern const std::size_t factory_bank_file_count;

std::span<const FactoryPresetFile> factory_bank() {
    return {factory_bank_files, factory_bank_file_count};
}

namespace {

namespace fs = std::filesystem;

bool write_bank(const fs::path& a_folder, std::string& a_error) {
    for (const FactoryPresetFile& preset : factory_bank()) {
        const fs::path path = a_folder / preset.m_file_name;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(preset.m_bytes), std::streamsize(preset.m_size));
        file.close();
        if (!file) {
            a_error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

// Into place only when nothing of that name appeared meanwhile; a plain rename would replace an
// empty folder of the user's.
int rename_without_replacing(const fs::path& a_from, const fs::path& a_to) {
    if (::renameat2(AT_FDCWD, a_from.c_str(), AT_FDCWD, a_to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    return errno;
}

} // namespace

FactoryBankInstall install_factory_bank(const fs::path& a_preset_folder,
                                        std::string& a_error) noexcept {
    try {
        if (factory_bank().empty()) {
            a_error = "the plug-in was built without factory presets";
            return FactoryBankInstall::failed;
        }
        const fs::path target = a_preset_folder / factory_folder_name;
        std::error_code code;
        const fs::file_status status = fs::symlink_status(target, code);
        if (status.type() != fs::file_type::not_found) {
            if (!code)
                return FactoryBankInstall::already_there;
            a_error = target.string() + ": " + code.message();
            return FactoryBankInstall::failed;
        }
        std::string pattern = (a_preset_folder / ".Factory-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            a_error = pattern + ": " + std::strerror(errno);
            return FactoryBankInstall::failed;
        }
        const fs::path staging = pattern;
        FactoryBankInstall result = FactoryBankInstall::failed;
        if (write_bank(staging, a_error)) {
            const int failure = rename_without_replacing(staging, target);
            if (failure == 0)
                return FactoryBankInstall::written;
            if (failure == EEXIST || failure == ENOTEMPTY)
                result = FactoryBankInstall::already_there;
            else
                a_error = target.string() + ": " + std::strerror(failure);
        }
        // Only the staging folder made above goes, with what this call wrote into it.
        fs::remove_all(staging, code);
        return result;
    } catch (const std::exception& failure) {
        a_error = failure.what();
        return FactoryBankInstall::failed;
    } catch (...) {
        a_error = "unknown failure";
        return FactoryBankInstall::failed;
    }
}

} // namespace tolvanchorus
