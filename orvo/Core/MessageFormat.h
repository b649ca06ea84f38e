#pragma once
// Message templates: "@@" gives "@"; "@n" (all consecutive digits) or "@[n]" is argument n,
// counted from 1. Anything that does not resolve (n = 0, n above the count, "[" without "]",
// "@" before anything else) is copied as it stands, so a bad template still shows something.

#include "orvo/Core/String.h"

#include <initializer_list>
#include <span>

namespace Orvo {

WString format_message(std::u16string_view a_template, std::span<const WString> a_arguments);
WString format_message(std::u16string_view a_template, std::initializer_list<WString> a_arguments);

} // namespace Orvo
