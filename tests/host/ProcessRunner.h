#pragma once
// Runs tolvan-host as a child process the way a user or a script would, capturing what it
// prints and how it exits.

#include "tests/support/TemporaryFolder.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hosttest {

struct ProcessResult {
    int m_exit_code = -1; // -1: the process did not exit normally (a crash)
    std::string m_out;
    std::string m_err;
};

// a_environment entries override the inherited environment; an empty optional removes the
// variable. TOLVAN_PLUGIN is removed unless given, so the tests never depend on the caller's.
ProcessResult run_host(const std::vector<std::string>& a_args,
                       const std::map<std::string, std::optional<std::string>>& a_environment = {});

using TempFolder = TestSupport::TemporaryFolder;

} // namespace hosttest
