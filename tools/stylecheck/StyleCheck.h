#pragma once
// stylecheck FILE: parses a style sheet as the plug-in would and prints each error as
// "FILE:LINE:COLUMN: message". Names that nothing registered are not errors (the plug-in ignores
// them) but are shown as warnings, since they are usually typing mistakes.
//
// Exit status: 0 without errors, 1 with any error (an unreadable file included), 2 for a bad
// command line.

#include <iosfwd>
#include <string>
#include <vector>

namespace StyleCheck {

int run(const std::vector<std::string>& a_arguments, std::ostream& a_out, std::ostream& a_err);

} // namespace StyleCheck
