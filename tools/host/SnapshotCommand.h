#pragma once
// tolvan-host snapshot: the plug-in's editor as a PNG, without any display. The tool links nothing
// of the plug-in, so it asks through the interface: a vendor call hands the plug-in the file's
// path, and the plug-in paints its editor off screen and writes the picture itself.

#include <string>

namespace tolvanhost {

class SnapshotCommand {
public:
    SnapshotCommand(std::string a_plugin_path, std::string a_output);
    // Throws HostError: no editor, the plug-in could not write the picture.
    void run();

private:
    std::string m_plugin_path;
    std::string m_output;
};

} // namespace tolvanhost
