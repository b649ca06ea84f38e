#pragma once
// "presets install": asks the plug-in, through the interface, to write its factory presets into
// its preset folder (the vendor call "Inst").

#include <string>

namespace tolvanhost {

// Throws HostError::runtime when the plug-in cannot be loaded or answers that it could not.
void install_factory_presets(const std::string& a_plugin_path);

} // namespace tolvanhost
