#pragma once
// Base of every exception the system throws. Assertion failures fill the source location; other
// throw sites only give a message. An inner exception keeps the cause when a caller wraps one
// failure in another.

#include "orvo/Core/String.h"

#include <exception>
#include <memory>
#include <string>

namespace Orvo {

class Exception : public std::exception {
public:
    explicit Exception(WString a_message);
    Exception(const Exception& a_other);
    Exception(Exception&&) noexcept = default;
    Exception& operator=(const Exception& a_other);
    Exception& operator=(Exception&&) noexcept = default;
    ~Exception() override;

    // Copies the most derived object, so an inner exception keeps its kind.
    virtual std::unique_ptr<Exception> clone() const;

    const WString& get_message() const noexcept { return m_message; }
    // Repository path of the source file without its extension, e.g. "orvo/Signals/_Connection".
    const std::string& get_source_path() const noexcept { return m_source_path; }
    const std::string& get_function() const noexcept { return m_function; }
    int get_line() const noexcept { return m_line; }
    const Exception* get_inner() const noexcept { return m_inner.get(); }

    void set_location(const char* a_source_file, const char* a_function, int a_line);
    void set_inner(std::unique_ptr<Exception> a_inner) noexcept { m_inner = std::move(a_inner); }

    // The message in UTF-8 (unpaired surrogates become U+FFFD), for logs and test output.
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    WString m_message;
    std::string m_what;
    std::string m_source_path;
    std::string m_function;
    int m_line = 0;
    std::unique_ptr<Exception> m_inner;
};

// The repository-relative path of a compiler-given source file name, extension removed.
std::string source_path_of(const char* a_source_file);

} // namespace Orvo
