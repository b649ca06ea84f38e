#pragma once
// Strict UTF-8 <-> UTF-16 conversion. Overlong forms, encoded surrogates, code points above
// U+10FFFF, truncated sequences and unpaired surrogates all fail: a path or a preset name that
// does not convert cleanly is an error, never a silently different file.

#include "orvo/Core/String.h"

#include <optional>
#include <string>
#include <string_view>

namespace Orvo {

std::optional<WString> utf8_to_utf16(std::string_view a_text);
std::optional<std::string> utf16_to_utf8(std::u16string_view a_text);

// Must-succeed forms: throw OperationFailedException when the text does not convert.
WString to_utf16(std::string_view a_text);
std::string to_utf8(std::u16string_view a_text);

// Replace what does not convert with U+FFFD; only for texts that are shown, never stored.
WString utf8_to_utf16_lossy(std::string_view a_text);
std::string utf16_to_utf8_lossy(std::u16string_view a_text);

} // namespace Orvo
