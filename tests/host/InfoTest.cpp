// tolvan-host as a user runs it: the info and gui commands, the choice of plug-in, and every
// way loading can fail.

#include "tests/host/ProcessRunner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace hosttest;

namespace {

// The value printed after "a_field:" on its own line, or "<missing>".
std::string field(const std::string& a_out, const std::string& a_field) {
    std::istringstream lines(a_out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(a_field + ":")) {
            const std::size_t value = line.find_first_not_of(' ', a_field.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    }
    return "<missing>";
}

// A failure reported the way the tool promises: the exit code and exactly one stderr line.
void expect_failure(const ProcessResult& a_result, int a_code, const std::string& a_message) {
    EXPECT_EQ(a_result.m_exit_code, a_code) << a_result.m_err;
    EXPECT_TRUE(a_result.m_err.starts_with("tolvan-host: ")) << a_result.m_err;
    EXPECT_NE(a_result.m_err.find(a_message), std::string::npos) << a_result.m_err;
    EXPECT_EQ(std::count(a_result.m_err.begin(), a_result.m_err.end(), '\n'), 1) << a_result.m_err;
}

} // namespace

TEST(HostInfo, FindsThePlugInByArgumentOptionEnvironmentOrBuild) {
    const std::string name_line = "Tolvan Test Gain";
    EXPECT_EQ(field(run_host({"info", "--plugin", TEST_GAIN_PLUGIN}).m_out, "Effect name"),
              name_line);
    EXPECT_EQ(field(run_host({"info"}, {{"TOLVAN_PLUGIN", TEST_GAIN_PLUGIN}}).m_out, "Effect name"),
              name_line);
    // An explicit plug-in wins over the environment.
    const ProcessResult explicit_one =
        run_host({"info", TEST_NULL_PLUGIN}, {{"TOLVAN_PLUGIN", TEST_GAIN_PLUGIN}});
    EXPECT_EQ(explicit_one.m_exit_code, 1);
    // Without either, the build's own plug-in is meant: the chorus, kept away from the user's
    // own data folder.
    TempFolder data;
    const ProcessResult built = run_host({"info"}, {{"XDG_DATA_HOME", data.path("share")}});
    EXPECT_EQ(built.m_exit_code, 0) << built.m_err;
    EXPECT_EQ(field(built.m_out, "Effect name"), "Tolvan Chorus");
}

TEST(HostInfo, ReportsEveryLoadingFailureInOneLine) {
    TempFolder folder;
    const std::string missing = folder.path("missing.so");
    expect_failure(run_host({"info", missing}), 1,
                   "cannot load plug-in: " + missing + ": cannot open shared object file");

    const std::string text_file = folder.path("not-a-library.so");
    std::ofstream(text_file) << "just text\n";
    expect_failure(run_host({"info", text_file}), 1, "cannot load plug-in: " + text_file);

    expect_failure(run_host({"info", TEST_NO_ENTRY_PLUGIN}), 1,
                   std::string("plug-in ") + TEST_NO_ENTRY_PLUGIN +
                       " does not export VSTPluginMain");
    expect_failure(run_host({"info", TEST_NULL_PLUGIN}), 1,
                   std::string("VSTPluginMain of ") + TEST_NULL_PLUGIN + " returned no effect");
    expect_failure(run_host({"info", TEST_BAD_MAGIC_PLUGIN}), 1,
                   "returned a record with bad magic 0x12345678 (expected 0x56737450)");
    // The same checks guard render.
    expect_failure(run_host({"render", TEST_BAD_MAGIC_PLUGIN, "--out", folder.path("x.wav")}), 1,
                   "bad magic");
}
