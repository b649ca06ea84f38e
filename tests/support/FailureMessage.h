#pragma once
// The message of the exception an action throws, or "no exception". An exception of another type
// than the one expected escapes, so the test fails on it.

#include "orvo/Core/Exception.h"

#include <string>

namespace TestSupport {

template <class Expected = Orvo::Exception, class Action>
std::u16string failure_message(Action&& a_action) {
    try {
        a_action();
    } catch (const Expected& failure) {
        return std::u16string(failure.get_message().view());
    }
    return u"no exception";
}

} // namespace TestSupport
