#pragma once
// Source of text lines.

#include "orvo/Core/String.h"

#include <string>

namespace Orvo {

class Reader {
public:
    Reader() = default;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    virtual ~Reader();

    // Each returns true when a line was read (without its line end) and false at the end of the
    // data or when the source's encoding is not supported.
    virtual bool read_line(WString& a_line) = 0;
    // The line as UTF-8.
    virtual bool read_line(std::string& a_line) = 0;
};

} // namespace Orvo
