#pragma once
// The preset command: a preset file or a saved chunk shown as a readable tree (see BiniPrinter).
// It needs no plug-in.

#include <cstdio>
#include <string>

namespace tolvanhost {

class PresetCommand {
public:
    explicit PresetCommand(std::string a_path) : m_path(std::move(a_path)) {}

    // Throws HostError::runtime when the file cannot be read or is no Bini tree.
    void run(std::FILE* a_out) const;

private:
    std::string m_path;
};

} // namespace tolvanhost
