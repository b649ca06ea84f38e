#pragma once
// The application-data folders and folder creation.
//
// On this platform the all-users folder is the first entry of $XDG_DATA_DIRS (default
// "/usr/local/share:/usr/share") that already holds the vendor's folder, else the first entry;
// the user's folder is $XDG_DATA_HOME, else $HOME/.local/share. The caller appends the vendor
// and application folders.

#include "orvo/Core/String.h"

#include <string_view>

namespace Orvo {

enum SystemDirectoryType : int {
    SystemDirectoryType_COMMON_APPDATA = 0,
    SystemDirectoryType_USER_APPDATA = 1,
};

// Any other type throws Orvo::Exception "Invalid system directory type."; a folder that cannot be
// determined throws OperationFailedException "Cannot determine system directory location.". The
// result has no trailing "/". a_vendor_folder only steers the choice among the all-users entries.
WString get_system_directory(SystemDirectoryType a_type, std::u16string_view a_vendor_folder);

// An existing directory is left alone; otherwise exactly that one directory is created (its parent
// must exist). Failure throws OperationFailedException with the system's text for the error.
void ensure_directory(const WString& a_path);

// Like ensure_directory, but missing parent directories are created first.
void ensure_directory_with_parents(const WString& a_path);

} // namespace Orvo
