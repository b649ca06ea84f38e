#pragma once
// The folders a device keeps its data in, built from the system's application-data folders.

#include "orvo/Core/String.h"

namespace Tonekit::DeviceFolders {

enum System { System_COMMON = 0, System_USER = 1 };

// Throws Orvo::OperationFailedException "Cannot determine system directory location." when the
// system does not say where its folder is.
// a_vendor_folder picks among several all-users folders the one that has the vendor's files.
Orvo::WString system_folder(System a_system, const Orvo::WString& a_vendor_folder);
Orvo::WString join(const Orvo::WString& a_folder, const Orvo::WString& a_name);
// Creates a_folder and any missing parents; throws with the system's error text on failure.
void ensure_folder(const Orvo::WString& a_folder);

} // namespace Tonekit::DeviceFolders
