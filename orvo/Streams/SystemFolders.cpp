#include "orvo/Streams/SystemFolders.h"

#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <utility>

namespace Orvo {

namespace {

std::string p_environment(const char* a_name) {
    const char* value = std::getenv(a_name);
    return value ? std::string(value) : std::string();
}

bool p_is_directory(const std::string& a_path) {
    struct stat status;
    return stat(a_path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Trailing slashes would double when the caller appends "/Vendor"; the root keeps its one.
std::string p_without_trailing_slashes(std::string a_path) {
    while (a_path.size() > 1 && a_path.back() == '/')
        a_path.pop_back();
    return a_path;
}

[[noreturn]] void p_cannot_determine() {
    throw OperationFailedException(u"Cannot determine system directory location.");
}

WString p_common_directory(std::u16string_view a_vendor_folder) {
    std::string list = p_environment("XDG_DATA_DIRS");
    if (list.empty())
        list = "/usr/local/share:/usr/share";
    const std::optional<std::string> vendor = utf16_to_utf8(a_vendor_folder);
    std::optional<std::string> first;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        const std::string entry = p_without_trailing_slashes(list.substr(start, colon - start));
        start = colon + 1;
        // Relative entries are invalid in the variable and are ignored, as the XDG rules say.
        // Entries that are not text cannot be named by the system's strings either.
        if (entry.empty() || entry[0] != '/' || !utf8_to_utf16(entry))
            continue;
        if (!first)
            first = entry;
        const std::string joined = entry == "/" ? entry : entry + "/";
        if (vendor && !vendor->empty() && p_is_directory(joined + *vendor))
            return to_utf16(entry);
    }
    if (!first)
        p_cannot_determine();
    return to_utf16(*first);
}

WString p_user_directory() {
    std::string path = p_environment("XDG_DATA_HOME");
    if (path.empty() || path[0] != '/') {
        const std::string home = p_without_trailing_slashes(p_environment("HOME"));
        if (home.empty())
            p_cannot_determine();
        path = home == "/" ? "/.local/share" : home + "/.local/share";
    }
    std::optional<WString> wide = utf8_to_utf16(p_without_trailing_slashes(path));
    if (!wide)
        p_cannot_determine();
    return std::move(*wide);
}

void p_make_directory(const std::string& a_path) {
    if (p_is_directory(a_path))
        return;
    // Another process may create it between the test and the call; that is success too.
    if (mkdir(a_path.c_str(), 0777) != 0) {
        const int error = errno;
        if (error == EEXIST && p_is_directory(a_path))
            return;
        throw OperationFailedException(system_error_text(error));
    }
}

} // namespace

WString get_system_directory(SystemDirectoryType a_type, std::u16string_view a_vendor_folder) {
    switch (a_type) {
    case SystemDirectoryType_COMMON_APPDATA:
        return p_common_directory(a_vendor_folder);
    case SystemDirectoryType_USER_APPDATA:
        return p_user_directory();
    }
    throw Exception(u"Invalid system directory type.");
}

void ensure_directory(const WString& a_path) {
    p_make_directory(to_utf8(a_path.view()));
}

void ensure_directory_with_parents(const WString& a_path) {
    const std::string path = to_utf8(a_path.view());
    if (p_is_directory(path))
        return;
    // Every prefix that ends before a "/" is a parent; the root and repeated slashes give empty
    // or already existing prefixes.
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (path[slash - 1] != '/')
            p_make_directory(path.substr(0, slash));
    }
    p_make_directory(path);
}

} // namespace Orvo
