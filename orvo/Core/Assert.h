#pragma once
// Failed checks throw Orvo::Exception whose message is the condition's own text; nothing is shown
// where the check fails, the catch site decides. Checks stay on in release builds: they guard
// against corrupt data and misuse that must not crash a host.

#include "orvo/Core/Exception.h"

namespace Orvo {

[[noreturn]] void assertion_failed(const char* a_condition, const char* a_source_file,
                                   const char* a_function, int a_line);

// For virtual operations a subclass must provide: "Parameter::do_load() not overridden."
[[noreturn]] void not_overridden(const char* a_class_and_operation);

} // namespace Orvo

#define ORVO_ASSERT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::Orvo::assertion_failed(#condition, __FILE__, __PRETTY_FUNCTION__, __LINE__);         \
    } while (false)
