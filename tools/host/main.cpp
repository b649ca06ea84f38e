// tolvan-host: a command-line VST 2.4 host. See CommandLine.h for the syntax and README.md.

#include "tools/host/CommandLine.h"
#include "tools/host/GuiCommand.h"
#include "tools/host/HostError.h"
#include "tools/host/InfoCommand.h"
#include "tools/host/PresetCommand.h"
#include "tools/host/PresetInstallCommand.h"
#include "tools/host/Renderer.h"
#include "tools/host/SnapshotCommand.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>
#include <vector>

#ifndef TOLVAN_DEFAULT_PLUGIN
#define TOLVAN_DEFAULT_PLUGIN "TolvanChorus.so"
#endif
#ifndef TOLVAN_HOST_VERSION
#define TOLVAN_HOST_VERSION "0"
#endif

namespace {

std::string plugin_path(const tolvanhost::HostOptions& a_options) {
    if (a_options.m_plugin) {
        return *a_options.m_plugin;
    }
    if (const char* from_environment = std::getenv("TOLVAN_PLUGIN");
        from_environment && *from_environment) {
        return from_environment;
    }
    return TOLVAN_DEFAULT_PLUGIN;
}

int fail(int a_code, const std::string& a_message) {
    std::fflush(stdout);
    std::fprintf(stderr, "tolvan-host: %s\n", a_message.c_str());
    return a_code;
}

int run(const std::vector<std::string>& a_args) {
    using namespace tolvanhost;
    const HostOptions options = CommandLine::parse(a_args);
    switch (options.m_command) {
    case Command::help:
        std::fputs(CommandLine::usage_text(), stdout);
        return 0;
    case Command::version:
        std::printf("tolvan-host %s\n", TOLVAN_HOST_VERSION);
        return 0;
    case Command::info:
        InfoCommand(plugin_path(options)).run(stdout);
        return 0;
    case Command::render:
        Renderer(options, plugin_path(options)).run();
        return 0;
    case Command::gui:
        GuiCommand(options, plugin_path(options)).run();
        return 0;
    case Command::snapshot:
        SnapshotCommand(plugin_path(options), *options.m_output).run();
        return 0;
    case Command::preset:
        PresetCommand(*options.m_preset_file).run(stdout);
        return 0;
    case Command::presets_install:
        install_factory_presets(plugin_path(options));
        return 0;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const tolvanhost::HostError& error) {
        return fail(error.exit_code(), error.what());
    } catch (const std::bad_alloc&) {
        return fail(tolvanhost::HostError::runtime_exit_code, "out of memory");
    } catch (const std::exception& error) {
        return fail(tolvanhost::HostError::runtime_exit_code, error.what());
    } catch (...) {
        return fail(tolvanhost::HostError::runtime_exit_code, "unexpected failure");
    }
}
