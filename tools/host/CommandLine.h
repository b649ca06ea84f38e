#pragma once
// The command line of tolvan-host, parsed without touching a file or the plug-in:
//
//   tolvan-host COMMAND [PLUGIN] [OPTIONS]      COMMAND: info, render, gui, help
//   tolvan-host preset FILE
//
// Options may stand before or after the command and take their value as the next word or after
// "=" (--out=x.wav). "--" ends the options. Every fault throws HostError::usage with one line
// that names the option and the value.

#include "tools/host/HostOptions.h"

#include <string>
#include <vector>

namespace tolvanhost {

class CommandLine {
public:
    // a_args excludes the program name.
    static HostOptions parse(const std::vector<std::string>& a_args);

    static const char* usage_text();
};

} // namespace tolvanhost
