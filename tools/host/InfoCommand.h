#pragma once
// The info command: everything a host learns about a plug-in before processing with it, printed
// as "Field: value" lines and one row per parameter. The effect is opened at 48 kHz with a
// 512-frame block, as a host would before showing it, and closed again.

#include <cstdio>
#include <string>

namespace tolvanhost {

class InfoCommand {
public:
    static constexpr int query_rate = 48000;
    static constexpr int query_block_size = 512;

    explicit InfoCommand(const std::string& a_plugin_path);

    // Throws HostError.
    void run(std::FILE* a_out);

    // Texts from the plug-in are shown, never trusted: control characters become '?'.
    static std::string printable(const std::string& a_text);
    static std::string describe_flags(int a_flags);
    static std::string describe_category(long a_category);

private:
    std::string m_plugin_path;
};

} // namespace tolvanhost
