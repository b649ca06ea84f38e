#pragma once
// The one way the tool reports failure: main() prints "tolvan-host: <message>" and exits with the
// code. Usage faults (the command line is wrong) exit with 2, everything that went wrong while
// running (files, the plug-in) with 1, so scripts can tell a typo from a broken plug-in.

#include <stdexcept>
#include <string>

namespace tolvanhost {

class HostError : public std::runtime_error {
public:
    static constexpr int runtime_exit_code = 1;
    static constexpr int usage_exit_code = 2;

    HostError(int a_exit_code, const std::string& a_message)
        : std::runtime_error(a_message), m_exit_code(a_exit_code) {}

    static HostError usage(const std::string& a_message) {
        return HostError(usage_exit_code, a_message);
    }
    static HostError runtime(const std::string& a_message) {
        return HostError(runtime_exit_code, a_message);
    }

    int exit_code() const { return m_exit_code; }

private:
    int m_exit_code;
};

} // namespace tolvanhost
