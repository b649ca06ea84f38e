#include "tonekit/Devices/DeviceFolders.h"

#include "orvo/Streams/SystemFolders.h"

namespace Tonekit::DeviceFolders {

Orvo::WString system_folder(System a_system, const Orvo::WString& a_vendor_folder) {
    return Orvo::get_system_directory(a_system == System_COMMON
                                          ? Orvo::SystemDirectoryType_COMMON_APPDATA
                                          : Orvo::SystemDirectoryType_USER_APPDATA,
                                      a_vendor_folder.view());
}

Orvo::WString join(const Orvo::WString& a_folder, const Orvo::WString& a_name) {
    Orvo::WString path = a_folder;
    if (!path.ends_with(u'/'))
        path += u'/';
    path += a_name;
    return path;
}

void ensure_folder(const Orvo::WString& a_folder) {
    Orvo::ensure_directory_with_parents(a_folder);
}

} // namespace Tonekit::DeviceFolders
