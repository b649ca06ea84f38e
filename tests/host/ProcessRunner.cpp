#include "tests/host/ProcessRunner.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace hosttest {

namespace {

std::string slurp(const std::string& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

ProcessResult run_host(const std::vector<std::string>& a_args,
                       const std::map<std::string, std::optional<std::string>>& a_environment) {
    std::map<std::string, std::optional<std::string>> changes = a_environment;
    changes.try_emplace("TOLVAN_PLUGIN", std::nullopt);
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (!changes.contains(text.substr(0, text.find('=')))) {
            environment.push_back(text);
        }
    }
    for (const auto& [name, value] : changes) {
        if (value) {
            environment.push_back(name + "=" + *value);
        }
    }

    TempFolder folder;
    const std::string out_path = folder.path("stdout");
    const std::string err_path = folder.path("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT, 0600);

    std::vector<std::string> words{TOLVAN_HOST_EXE};
    words.insert(words.end(), a_args.begin(), a_args.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, TOLVAN_HOST_EXE, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error(std::string("cannot start tolvan-host: ") +
                                 std::strerror(spawned));
    }
    int status = 0;
    waitpid(child, &status, 0);
    ProcessResult result;
    result.m_exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.m_out = slurp(out_path);
    result.m_err = slurp(err_path);
    return result;
}

} // namespace hosttest
