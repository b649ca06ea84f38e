#pragma once
// Sets or unsets one environment variable for the life of the object.

#include <cstdlib>
#include <optional>
#include <string>

namespace TestSupport {

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* a_name, const char* a_value) : m_name(a_name) {
        if (const char* old = std::getenv(a_name))
            m_old = old;
        if (a_value)
            setenv(a_name, a_value, 1);
        else
            unsetenv(a_name);
    }
    ~ScopedEnvironment() {
        if (m_old)
            setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace TestSupport
